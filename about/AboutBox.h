// The About box: the program's picture, a line that scrolls sideways with the
// program's name, version, author and web address (a click on it opens the
// address), a blinking "FreeWare" and "OK". A fresh box is made for each
// showing and deleted once it has closed (ShowModal).
//
// The author and the web address are build settings (FERRINO_AUTHOR,
// FERRINO_WEB_ADDRESS). Without an address the line names none and is no
// link: no hand cursor, no underline, a click opens nothing.
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;
class TBlinkingLabel;
class TScrollingLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `versionText` is the version the main window found for the program;
    // the author and address are the build's unless others are given.
    TAboutBox(const QString& versionText, QWidget* parent);
    TAboutBox(const QString& versionText, QWidget* parent, const QString& author, const QString& webAddress);

    // Makes a box owned by `owner`, shows it modally, centred over the owner's
    // window, and deletes it once it has closed. `AboutBox` points at the box
    // meanwhile.
    static void ShowModal(const QString& versionText, QWidget* owner);

    // The build's author and web address.
    static QString BuildAuthor();
    static QString BuildWebAddress();
    // The address shown at the end of the scrolling text, as a click opens
    // it; an empty URL when the box has no address.
    QUrl WebAddress() const;
    bool HasLink() const { return !webAddress_.isEmpty(); }

    static constexpr int kClientWidth = 298;
    static constexpr int kClientHeight = 186;

    // The controls, from back to front.
    QLabel* const Image1;
    TScrollingLabel* const JvScrollingLabel1;
    TBlinkingLabel* const FreeWareLabel;
    QPushButton* const OKButton;

    // Sets the scrolling text; run by the constructor once the controls are in place.
    void FormCreate();
    void OKButtonClick();
    void JvScrollingLabel1Click();
    void JvScrollingLabel1MouseEnter();
    void JvScrollingLabel1MouseLeave();

private:
    void PlaceControls();

    const QString versionText_;
    const QString author_;
    const QString webAddress_;
};

// The box being shown by ShowModal, null when none is.
extern TAboutBox* AboutBox;
