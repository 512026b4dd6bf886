// The main window: thirteen pages of keys in a page control, five common
// buttons under them and a status bar.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QPushButton;
class QStatusBar;
class TKeyPage;
class TDetailsPanel;
class TPageControl;
class TSearchFrame;

class TMainWindow : public QDialog {
    Q_OBJECT
    Q_PROPERTY(bool Busy READ IsBusy)
    Q_PROPERTY(bool StopRequested READ IsStopRequested)
    Q_PROPERTY(QString VersionText READ VersionText)
public:
    explicit TMainWindow(QWidget* parent = nullptr);
    ~TMainWindow() override;

    static constexpr int kPageCount = 13;

    bool IsBusy() const;
    bool IsStopRequested() const;
    QString VersionText() const { return versionText_; }
    TPageControl* PageControl() const { return pageControl_; }
    TKeyPage* Page(int index) const;

    // The page and the position of the window, kept between runs (QSettings:
    // ~/.config/Ferrino/Ferrino.conf with the names main() gives the program).
    // Saved when the window closes; restored only when the saved position
    // lies on a screen, and then the page's first field takes the focus.
    void SaveSettings() const;
    bool RestoreSettings();

    // Handlers of the window and of the common buttons.
    void FormCreate();
    void FormShow();
    void BtncalcClick();
    void BtnclearClick();
    void BitBtn2Click();
    void BitBtn1Click();
    void BtnhelpClick();
    // F3, or a number field's context menu: the search for typing errors.
    void CorrectionsClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildButtons(int top);

    TPageControl* pageControl_ = nullptr;
    std::array<TKeyPage*, kPageCount> pages_{};
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Btncalc = nullptr;
    QPushButton* Btnclear = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Btnhelp = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TDetailsPanel* details_ = nullptr;
    TSearchFrame* frame_ = nullptr;
    QString versionText_;
    bool shownOnce_ = false;
    bool closeWhenIdle_ = false;
};
