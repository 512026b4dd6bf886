// A page control whose tabs wrap onto several rows, as desktop users know it:
// every row is stretched to the full width, and the row of the selected tab
// always stands next to the page (the rows turn round to bring it there).
// Ctrl+Tab and Ctrl+Shift+Tab switch pages; the arrow keys move between tabs
// when the tabs have the focus.
#pragma once

#include <QStackedWidget>
#include <QWidget>
#include <functional>

class TWrapTabBar : public QWidget {
    Q_OBJECT
public:
    explicit TWrapTabBar(QWidget* parent = nullptr);

    void AddTab(const QString& caption);
    int Count() const { return static_cast<int>(captions_.size()); }
    QString Caption(int index) const { return captions_.value(index); }
    int Current() const { return current_; }
    void SetCurrent(int index);
    // Lays the tabs out for the given width; returns the height they take.
    int Relayout(int width);
    QRect TabRect(int index) const;
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row (counted from the top) the tab stands in.
    int RowOf(int index) const;

    QSize sizeHint() const override;

signals:
    void tabChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int TabHeight() const;
    int NaturalWidth(int index) const;

    QStringList captions_;
    int current_ = -1;
    std::vector<std::vector<int>> rows_;  // tab indices, top row first (before turning)
    std::vector<QRect> rects_;
    int laidOutWidth_ = -1;
};

class TPageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
public:
    explicit TPageControl(const QString& objectName, QWidget* parent = nullptr);

    int addPage(QWidget* page, const QString& caption);
    int count() const { return stack_->count(); }
    QWidget* widget(int index) const { return stack_->widget(index); }
    QWidget* currentWidget() const { return stack_->currentWidget(); }
    int currentIndex() const { return stack_->currentIndex(); }
    void setCurrentIndex(int index);
    void NextPage(int step);
    // The control of page `index` that takes the focus when that page comes
    // to show, unless the tabs have the focus (the arrow keys go on moving
    // through the tabs); by default the page's first control in the Tab order.
    void SetFocusInPage(std::function<QWidget*(int index)> focusInPage) { focusInPage_ = std::move(focusInPage); }
    TWrapTabBar* TabBar() const { return bar_; }
    // The page area for a given client size of the pages.
    QSize SizeForPages(QSize pageSize);

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Arrange();

    TWrapTabBar* bar_;
    QStackedWidget* stack_;
    std::function<QWidget*(int index)> focusInPage_;
};
