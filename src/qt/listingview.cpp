// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/listingview.h"

#include "qt/looks.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <optional>
#include <utility>

namespace jex::qt {
namespace {

QString shown(const PrintedLine& line) {
    return qtext(line.plain + line.emphasised).simplified();
}

// One row of the listing. Rows are no widgets of their own: each reads its
// line from the box whenever it is asked.
class ListingRow final : public QAccessibleInterface {
  public:
    ListingRow(ListingView* view, int row) : view_(view), row_(row) {}

    bool isValid() const override {
        return view_ && row_ < static_cast<int>(view_->lines().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? view_->rowtext(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect inbox = view_->rowrect(row_);
        return QRect(view_->mapToGlobal(inbox.topLeft()), inbox.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.selectable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool highlighted = view_->highlightedrow() == row_;
        state.selected = highlighted;
        state.active = highlighted;
        state.invisible = !view_->isVisible() || !view_->rect().intersects(view_->rowrect(row_));
        return state;
    }

  private:
    QPointer<ListingView> view_;
    int row_;
};

class ListingAccessible final : public QAccessibleWidget {
  public:
    explicit ListingAccessible(ListingView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ListingAccessible() override {
        for (QAccessible::Id id : rows_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(listing().lines().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        // Made once and kept, so a screen reader meets the same row again.
        while (static_cast<int>(rows_.size()) <= index)
            rows_.push_back(QAccessible::registerAccessibleInterface(
                new ListingRow(&listing(), static_cast<int>(rows_.size()))));
        return QAccessible::accessibleInterface(rows_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t index = 0; index < rows_.size(); ++index)
            if (QAccessible::accessibleInterface(rows_[index]) == child &&
                static_cast<int>(index) < childCount())
                return static_cast<int>(index);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inbox = listing().mapFromGlobal(QPoint(x, y));
        for (int row = 0; row < childCount(); ++row)
            if (listing().rowrect(row).contains(inbox)) return child(row);
        return nullptr;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

  private:
    ListingView& listing() const { return *static_cast<ListingView*>(widget()); }

    mutable std::vector<QAccessible::Id> rows_;
};

std::optional<ListingMove> movefor(int key) {
    switch (key) {
    case Qt::Key_Up: return ListingMove::up;
    case Qt::Key_Down: return ListingMove::down;
    case Qt::Key_Home: return ListingMove::first;
    case Qt::Key_End: return ListingMove::last;
    default: return std::nullopt;
    }
}

// The ring that shows the listing has the keyboard, inside its edge.
constexpr int focusringwidth = 2;

} // namespace

ListingView::ListingView(QWidget* parent) : QWidget(parent) {
    // Reached with the keyboard only: a click on the listing leaves the
    // arrows to the keypad.
    setFocusPolicy(Qt::TabFocus);
}

bool ListingView::readingkey(int key) {
    return movefor(key).has_value();
}

void ListingView::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<ListingMove> move = movefor(event->key())) {
        event->accept();
        if (reading) reading(*move);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // The keys go back to the keypad, as from a name box.
        event->accept();
        window()->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ListingView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    if (focused) focused();
}

void ListingView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

QAccessibleInterface* ListingView::accessiblelisting(QWidget* listing) {
    auto* view = dynamic_cast<ListingView*>(listing);
    return view ? new ListingAccessible(view) : nullptr;
}

void ListingView::setlines(const std::vector<PrintedLine>& lines) {
    if (lines == lines_) return;
    // Rows that go are told while they can still be read.
    if (QAccessible::isActive() && lines.size() < lines_.size()) {
        if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this)) {
            for (int row = static_cast<int>(lines.size()); row < static_cast<int>(lines_.size());
                 ++row) {
                QAccessibleEvent removed(list->child(row), QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&removed);
            }
        }
    }
    const std::vector<PrintedLine> before = std::exchange(lines_, lines);
    update();
    tellscreenreaders(before);
}

void ListingView::tellscreenreaders(const std::vector<PrintedLine>& before) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    if (!list) return;
    const auto count = [](const std::vector<PrintedLine>& lines) {
        return static_cast<int>(lines.size());
    };
    const int common = std::min(count(before), count(lines_));
    for (int row = 0; row < common; ++row) {
        const PrintedLine& was = before[static_cast<std::size_t>(row)];
        const PrintedLine& now = lines_[static_cast<std::size_t>(row)];
        if (shown(was) != shown(now)) {
            QAccessibleEvent changed(list->child(row), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        if (was.emphasised.empty() != now.emphasised.empty()) {
            QAccessibleEvent selection(list->child(row), QAccessible::Selection);
            QAccessible::updateAccessibility(&selection);
        }
    }
    for (int row = common; row < count(lines_); ++row) {
        QAccessibleEvent added(list->child(row), QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&added);
    }
}

QString ListingView::rowtext(int row) const {
    if (row < 0 || row >= static_cast<int>(lines_.size())) return {};
    return shown(lines_[static_cast<std::size_t>(row)]);
}

int ListingView::highlightedrow() const {
    for (std::size_t row = 0; row < lines_.size(); ++row)
        if (!lines_[row].emphasised.empty()) return static_cast<int>(row);
    return -1;
}

QRect ListingView::rowrect(int row) const {
    return QRectF(0, row * linespacing_, width(), linespacing_).toAlignedRect();
}

void ListingView::setlinespacing(double pixels) {
    if (qFuzzyCompare(pixels, linespacing_)) return;
    linespacing_ = pixels;
    update();
}

void ListingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));

    const QFont plainfont = font();
    QFont emphasisedfont = plainfont;
    emphasisedfont.setBold(true);
    emphasisedfont.setUnderline(true);
    const QFontMetricsF plainmetrics(plainfont, this);
    const QFontMetricsF emphasisedmetrics(emphasisedfont, this);
    const double ascent = std::max(plainmetrics.ascent(), emphasisedmetrics.ascent());

    double top = 0;
    for (const PrintedLine& line : lines_) {
        if (top > height()) break;
        const double baseline = top + ascent;
        const QString plain = qtext(line.plain);
        painter.setFont(plainfont);
        painter.drawText(QPointF(0, baseline), plain);
        if (!line.emphasised.empty()) {
            painter.setFont(emphasisedfont);
            painter.drawText(QPointF(plainmetrics.horizontalAdvance(plain), baseline),
                             qtext(line.emphasised));
        }
        top += linespacing_;
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), focusringwidth));
        const double inset = focusringwidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

} // namespace jex::qt
