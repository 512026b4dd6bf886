#include "PageControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <utility>

#include "accessible/FocusHooks.h"
#include "accessible/TabHooks.h"

namespace {
constexpr int kTabPadding = 8;   // blank each side of a caption
constexpr int kFrame = 2;        // frame round the pages
}

TWrapTabBar::TWrapTabBar(QWidget* parent) : QWidget(parent) {
    // Reached with Tab; a click on a tab leaves the focus to the page it shows.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    ferrino::a11y::AnnounceCurrentChildOnFocus(this);
}

void TWrapTabBar::AddTab(const QString& caption) {
    captions_ << caption;
    if (current_ < 0) current_ = 0;
    laidOutWidth_ = -1;
    Relayout(width());
    update();
}

int TWrapTabBar::TabHeight() const { return fontMetrics().height() + 9; }

int TWrapTabBar::NaturalWidth(int index) const {
    return fontMetrics().horizontalAdvance(captions_[index]) + 2 * kTabPadding;
}

int TWrapTabBar::Relayout(int width) {
    if (width <= 0) width = 1;
    rows_.clear();
    std::vector<int> row;
    int used = 0;
    for (int i = 0; i < Count(); ++i) {
        const int w = NaturalWidth(i);
        if (!row.empty() && used + w > width) {
            rows_.push_back(row);
            row.clear();
            used = 0;
        }
        row.push_back(i);
        used += w;
    }
    if (!row.empty()) rows_.push_back(row);

    // The rows turn round so that the row of the selected tab comes last, next to the page.
    const int n = RowCount();
    const int selectedRow = RowOf(current_);
    rects_.assign(static_cast<std::size_t>(Count()), QRect());
    const int h = TabHeight();
    for (int r = 0; r < n; ++r) {
        const int shownAt = ((r - selectedRow - 1) % n + n) % n;  // 0 = top
        const auto& tabs = rows_[static_cast<std::size_t>(r)];
        int natural = 0;
        for (int i : tabs) natural += NaturalWidth(i);
        // Stretch the row to the full width, sharing the slack between its tabs.
        int x = 0;
        int slack = std::max(0, width - natural);
        for (std::size_t k = 0; k < tabs.size(); ++k) {
            const int extra = slack / static_cast<int>(tabs.size() - k);
            slack -= extra;
            const int w = NaturalWidth(tabs[k]) + extra;
            rects_[static_cast<std::size_t>(tabs[k])] = QRect(x, shownAt * h, w, h);
            x += w;
        }
    }
    laidOutWidth_ = width;
    return n * h + 2;
}

int TWrapTabBar::RowOf(int index) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (int i : rows_[r])
            if (i == index) return static_cast<int>(r);
    return 0;
}

QRect TWrapTabBar::TabRect(int index) const {
    if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
    return rects_[static_cast<std::size_t>(index)];
}

QSize TWrapTabBar::sizeHint() const { return {width(), RowCount() * TabHeight() + 2}; }

void TWrapTabBar::SetCurrent(int index) {
    if (index < 0 || index >= Count() || index == current_) return;
    const int previous = std::exchange(current_, index);
    Relayout(width());
    update();
    ferrino::a11y::AnnouncePageTab(this, previous, index);
}

void TWrapTabBar::resizeEvent(QResizeEvent*) {
    if (laidOutWidth_ != width()) Relayout(width());
}

void TWrapTabBar::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    for (int pass = 0; pass < 2; ++pass) {  // the selected tab last, over its neighbours
        for (int i = 0; i < Count(); ++i) {
            if ((i == current_) != (pass == 1)) continue;
            QStyleOptionTab opt;
            opt.initFrom(this);
            opt.shape = QTabBar::RoundedNorth;
            opt.text = captions_[i];
            opt.rect = TabRect(i);
            opt.row = RowOf(i);
            const bool rowFirst = opt.rect.left() == 0;
            const bool rowLast = opt.rect.right() >= width() - 2;
            opt.position = rowFirst && rowLast ? QStyleOptionTab::OnlyOneTab
                           : rowFirst         ? QStyleOptionTab::Beginning
                           : rowLast          ? QStyleOptionTab::End
                                              : QStyleOptionTab::Middle;
            opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
            if (i == current_) {
                opt.state |= QStyle::State_Selected;
                if (hasFocus()) opt.state |= QStyle::State_HasFocus;
            }
            if (underMouse() && opt.rect.contains(mapFromGlobal(QCursor::pos()))) opt.state |= QStyle::State_MouseOver;
            p.drawControl(QStyle::CE_TabBarTab, opt);
            if (i == current_ && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.initFrom(this);
                focus.state |= QStyle::State_KeyboardFocusChange;  // shown whether or not the keyboard moved it
                focus.rect = opt.rect.adjusted(4, 4, -4, -3);
                p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
            }
        }
    }
}

void TWrapTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int i = 0; i < Count(); ++i)
        if (TabRect(i).contains(event->position().toPoint())) {
            emit tabChosen(i);
            return;
        }
}

void TWrapTabBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        if (current_ > 0) emit tabChosen(current_ - 1);
        break;
    case Qt::Key_Right:
        if (current_ + 1 < Count()) emit tabChosen(current_ + 1);
        break;
    case Qt::Key_Home:
        emit tabChosen(0);
        break;
    case Qt::Key_End:
        emit tabChosen(Count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

TPageControl::TPageControl(const QString& objectName, QWidget* parent)
    : QWidget(parent), bar_(new TWrapTabBar(this)), stack_(new QStackedWidget(this)) {
    setObjectName(objectName);
    connect(bar_, &TWrapTabBar::tabChosen, this, &TPageControl::setCurrentIndex);
    const auto addShortcut = [this](QKeySequence keys, int step) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { NextPage(step); });
    };
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

int TPageControl::addPage(QWidget* page, const QString& caption) {
    const int index = stack_->addWidget(page);
    bar_->AddTab(caption);
    Arrange();
    return index;
}

void TPageControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == currentIndex()) return;
    // The focus goes straight from the old page to the new one: left where it
    // is while the old page hides, it would move on to the next control of
    // the window first (a button under the pages) and be announced there.
    QWidget* focus = QApplication::focusWidget();
    QWidget* old = currentWidget();
    const bool inWindow = focus && focus->window() == window();
    if (inWindow && old && old->isAncestorOf(focus)) focus->clearFocus();
    stack_->setCurrentIndex(index);
    bar_->SetCurrent(index);
    Arrange();
    if (!bar_->hasFocus() && (inWindow || !focus)) {
        QWidget* target = focusInPage_ ? focusInPage_(index) : nullptr;
        if (!target) {
            // The page's first control in the Tab order.
            QWidget* page = currentWidget();
            for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
                if (!page->isAncestorOf(w)) continue;
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled()) {
                    target = w;
                    break;
                }
            }
        }
        if (target) target->setFocus(Qt::OtherFocusReason);
    }
    emit currentChanged(index);
}

void TPageControl::NextPage(int step) {
    if (count() == 0) return;
    setCurrentIndex(((currentIndex() + step) % count() + count()) % count());
}

QSize TPageControl::SizeForPages(QSize pageSize) {
    const int barHeight = bar_->Relayout(pageSize.width() + 2 * kFrame);
    return {pageSize.width() + 2 * kFrame, barHeight + pageSize.height() + 2 * kFrame};
}

void TPageControl::resizeEvent(QResizeEvent*) { Arrange(); }

void TPageControl::Arrange() {
    const int barHeight = bar_->Relayout(width());
    bar_->setGeometry(0, 0, width(), barHeight);
    stack_->setGeometry(kFrame, barHeight + kFrame, width() - 2 * kFrame, height() - barHeight - 2 * kFrame);
    update();
}

void TPageControl::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.rect = QRect(0, bar_->height() - 2, width(), height() - bar_->height() + 2);
    frame.selectedTabRect = bar_->TabRect(bar_->Current()).translated(0, 0);
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}
