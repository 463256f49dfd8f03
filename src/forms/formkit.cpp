// SPDX-License-Identifier: GPL-3.0-or-later
#include "formkit.h"
#include "readonlytext.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {
double LogicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

int TwipsToPixels(int twips)
{
    return qRound(twips * LogicalDpi() / 1440.0);
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QFont SansFont(double pointSize)
{
    // Liberation Sans has the metrics of the classic Windows sans serif faces.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QFont FixedFont(double pointSize)
{
    // Liberation Mono has the metrics of Courier New.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, Qt::Alignment align, QRect rect)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(rect);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(rect);
    return button;
}

namespace {
// A value display as a screen reader sees it: a read-only text named by its caption, whose text is the value
// shown. Screen readers read a text's content as they come to it; of a label, the name alone.
class ValueInterface : public QAccessibleWidget, public ReadOnlyTextInterface
{
public:
    explicit ValueInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? Shown() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return int(Shown().size()); }
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        // Laid out as the label lays it out: wrapped to its width where it wraps, placed by its alignment.
        const QLabel* label = Label();
        QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                    -label->margin());
        // A framed label indents its text by half an x, as QLabel does.
        const int indent = label->indent() >= 0 ? label->indent()
            : label->frameWidth()               ? label->fontMetrics().horizontalAdvance(u'x') / 2 - label->margin()
                                                : 0;
        if (indent > 0)
            room.adjust(label->alignment() & Qt::AlignLeft ? indent : 0, label->alignment() & Qt::AlignTop ? indent : 0,
                        label->alignment() & Qt::AlignRight ? -indent : 0, 0);
        QTextLayout layout(Shown(), label->font());
        QTextOption option(label->alignment());
        option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal height = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            line.setPosition({0, height});
            height += line.height();
        }
        layout.endLayout();
        const QTextLine line = layout.lineForTextPosition(offset);
        const qreal x = line.cursorToX(offset), next = line.cursorToX(offset + 1);
        const qreal top = label->alignment() & Qt::AlignTop ? 0
            : label->alignment() & Qt::AlignBottom          ? room.height() - height
                                                            : (room.height() - height) / 2;
        const QRect rect = QRectF(room.left() + std::min(x, next), room.top() + top + line.y(), std::abs(next - x),
                                  line.height())
                               .toAlignedRect();
        return QRect(label->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point))
                return offset;
        return -1;
    }
    // A line ends after its line break, or with the text (Qt's own leaves the last character out).
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary && type != QAccessible::NoBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        const QString shown = Shown();
        const qsizetype lineEnd = type == QAccessible::LineBoundary ? shown.indexOf(u'\n', offset) : -1;
        *start = type == QAccessible::LineBoundary && offset > 0 ? int(shown.lastIndexOf(u'\n', offset - 1) + 1) : 0;
        *end = lineEnd < 0 ? int(shown.size()) : int(lineEnd + 1);
        return shown.mid(*start, *end - *start);
    }

private:
    const QLabel* Label() const { return static_cast<const QLabel*>(object()); }
    QString Shown() const { return Label()->text(); }
};

QAccessibleInterface* ValueDisplayInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String(ValueDisplay::staticMetaObject.className()))
        return nullptr;
    return new ValueInterface(static_cast<QWidget*>(object));
}
} // namespace

ValueDisplay::ValueDisplay(QWidget* parent, const char* name, Qt::Alignment align, QRect rect)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(ValueDisplayInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QLatin1String(name));
    setTextFormat(Qt::PlainText);
    setAlignment(align | Qt::AlignVCenter);
    if (rect.isValid())
        setGeometry(rect);
    setFocusPolicy(Qt::TabFocus);
}

void ValueDisplay::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ValueDisplay::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call): not QLabel's, see the header
}

void ValueDisplay::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void TieCaption(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    // Lists, tables and labels take no name from a buddy: they get the caption's text itself.
    QString name = caption->text();
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    control->setAccessibleName(name);
}

void ShowValue(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    // A label that takes the focus shows its text as a document of its own, whose every change is news of a
    // text edited for screen readers: set without the focus policy, the text is drawn as a plain label's.
    const Qt::FocusPolicy policy = label->focusPolicy();
    label->setFocusPolicy(Qt::NoFocus);
    label->setText(text);
    label->setFocusPolicy(policy);
}

namespace {
// Set on a window made of a plain widget: the role it reports.
constexpr char WindowRole[] = "kelvaraAccessibleRole";

QAccessibleInterface* WindowInterface(const QString& className, QObject* object)
{
    // Asked for the object's own class first; the window is then fully made.
    const QVariant role = object->property(WindowRole);
    if (!role.isValid() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}
} // namespace

void ReportAsWindow(QWidget* window, bool dialog)
{
    static const bool installed = [] {
        QAccessible::installFactory(WindowInterface);
        return true;
    }();
    Q_UNUSED(installed);
    const QAccessible::Role role = dialog ? QAccessible::Dialog : QAccessible::Window;
    window->setProperty(WindowRole, int(role));
    // Setting the title may already have made the window's interface, with the role of a plain widget.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(window); made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

namespace {
// Closes the window it watches on an Escape that no control of the window took for itself (an open
// list takes it to close itself, as Item Stats' list of found names does).
class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape
            || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
            return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};
} // namespace

void CloseOnEscape(QWidget* window)
{
    window->installEventFilter(new EscapeCloses(window));
}

int TextRoom(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return 0;
        const int frame = label->width() - label->contentsRect().width() + 2 * label->margin() + 2;
        if (!label->wordWrap()) {
            int widest = 0;
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
            return widest + frame;
        }
        // The narrowest width at which the wrapped lines fit the label's height.
        const int limit = std::max(label->width(), label->fontMetrics().horizontalAdvance(label->text()) + frame);
        int width = label->width();
        while (width < limit && label->heightForWidth(width) > label->height())
            width += 2;
        return width;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return 0;
        const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        const QStyle* style = button->style();
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
            const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
            const int indicator = style->pixelMetric(
                check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
            const int spacing = style->pixelMetric(
                check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
            return indicator + spacing + text + 2;
        }
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return text + 2 * (margin + frame) + 2;
    }
    return 0;
}

void FitTexts(QWidget* window, QWidget* container)
{
    if (!container)
        container = window;
    QList<QWidget*> controls;
    for (QObject* child : container->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            controls << widget;
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    const int width = container->width();
    // A dividing line spans the window, or reaches past it: it takes no part in the margin.
    auto line = [](const QWidget* control) {
        const auto* frame = qobject_cast<const QFrame*>(control);
        return frame && frame->frameShape() == QFrame::HLine;
    };
    int rightmost = 0;
    for (QWidget* control : controls)
        if (!line(control))
            rightmost = std::max(rightmost, control->geometry().right() + 1);
    const int margin = std::max(0, width - rightmost);
    // Centred in the window as it was laid out: a control the moves below only happen to put
    // in the middle is not.
    auto centred = [width](const QRect& place) {
        return std::abs(place.left() - (width - place.right() - 1)) <= TwipsToPixels(60);
    };
    QList<QWidget*> centredAtFirst;
    for (QWidget* control : controls)
        if (centred(control->geometry()))
            centredAtFirst << control;
    // The window's left margin stays: where a right-aligned text would grow past it, every
    // control not spanning the window moves right by as much first, so the columns stay aligned.
    auto spanning = [width](const QWidget* control) { return control->width() > width * 3 / 4; };
    int leftmost = width;
    for (QWidget* control : controls)
        if (!spanning(control))
            leftmost = std::min(leftmost, control->x());
    int shift = 0;
    for (QWidget* control : controls)
        if (const auto* label = qobject_cast<QLabel*>(control); label && (label->alignment() & Qt::AlignRight))
            shift = std::max(shift, leftmost - (control->geometry().right() + 1 - TextRoom(control)));
    if (shift > 0)
        for (QWidget* control : controls)
            if (!spanning(control))
                control->move(control->x() + shift, control->y());

    for (QWidget* control : controls) {
        const int needed = TextRoom(control);
        QRect rect = control->geometry();
        if (needed <= rect.width())
            continue;
        const int more = needed - rect.width();
        const QRect before = rect;
        Qt::Alignment align = Qt::AlignLeft;
        if (const auto* label = qobject_cast<QLabel*>(control))
            align = label->alignment();
        if (align & Qt::AlignRight)
            rect.setLeft(std::max(leftmost, rect.left() - more));
        else if (align & Qt::AlignHCenter)
            rect.setLeft(std::max(0, rect.left() - more / 2));
        rect.setRight(rect.left() + needed - 1);
        control->setGeometry(rect);
        // The controls to its right in the same row move on as far as they must, keeping
        // their gap up to a few pixels; so do the others of their columns (those that share
        // their left edge) and the controls to the right of those, so that a column stays aligned.
        auto sameRow = [](const QRect& a, const QRect& b) { return a.top() <= b.bottom() && a.bottom() >= b.top(); };
        QList<QWidget*> moving;
        int push = 0;
        for (QWidget* other : controls) {
            const QRect place = other->geometry();
            if (other != control && place.left() > before.right() && sameRow(place, rect)) {
                const int gap = std::min(place.left() - before.right() - 1, TwipsToPixels(120));
                push = std::max(push, rect.right() + 1 + gap - place.left());
                moving << other;
            }
        }
        if (push > 0) {
            for (qsizetype i = 0; i < moving.size(); ++i) {
                const QRect mover = moving[i]->geometry();
                for (QWidget* other : controls) {
                    const QRect place = other->geometry();
                    if (other != control && !line(other) && !moving.contains(other)
                        && (place.left() == mover.left() || (place.left() > mover.left() && sameRow(place, mover))))
                        moving << other;
                }
            }
            for (QWidget* other : moving)
                other->move(other->x() + push, other->y());
        }
    }

    int right = 0;
    for (QWidget* control : controls)
        if (!line(control))
            right = std::max(right, control->geometry().right() + 1);
    const int grow = right + margin - width;
    if (grow <= 0)
        return;
    // Controls centred in the window stay centred, and those spanning it span it still.
    for (QWidget* control : controls) {
        const QRect place = control->geometry();
        if (line(control) && place.right() + 1 >= width) {
            control->resize(place.width() + grow, place.height());
            continue;
        }
        if (!centred(place) || !centredAtFirst.contains(control) || place.right() + 1 >= right)
            continue; // off centre, or it made the window grow
        if (place.width() > width * 3 / 4)
            control->resize(place.width() + grow, place.height());
        else
            control->move(place.left() + grow / 2, place.top());
    }
    const QSize size(width + grow, container->height());
    if (container != window)
        container->setFixedSize(size);
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(window->width() + grow, window->height());
    else
        window->resize(window->width() + grow, window->height());
}

namespace {
// Set on a window while it counts as minimised.
constexpr char Minimised[] = "kelvaraMinimised";
} // namespace

WindowsOnScreen::WindowsOnScreen(QObject* parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowsOnScreen::AnyShown() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        const Qt::WindowType type = window->windowType();
        return window->isVisible() && !window->isMinimized() && !window->property(Minimised).toBool()
            && window->windowHandle() && window->windowHandle()->isExposed() && type != Qt::Popup && type != Qt::ToolTip
            && !window->inherits("QSystemTrayIconSys");
    });
}

bool WindowsOnScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::WindowStateChange && type != QEvent::WindowActivate && type != QEvent::Show)
        || !watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    // Only the window system brings a window back by itself without activating it; on Wayland
    // such a change of state is Qt forgetting that the window was minimised.
    const bool forgets = event->spontaneous() && type != QEvent::WindowActivate
        && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (window->isMinimized())
        window->setProperty(Minimised, true);
    else if (!forgets)
        window->setProperty(Minimised, QVariant());
    return false;
}

bool CountsAsMinimised(const QWidget* window)
{
    return window->isMinimized() || window->property(Minimised).toBool();
}

bool PlatformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint KeptOnScreen(const QRect& frame, const QList<QRect>& areas)
{
    if (areas.isEmpty() || std::any_of(areas.cbegin(), areas.cend(), [&](const QRect& a) { return a.contains(frame); }))
        return frame.topLeft();
    auto overlap = [&frame](const QRect& area) {
        const QRect both = area & frame;
        return qint64(both.width()) * both.height();
    };
    auto distance = [&frame](const QRect& area) { return (area.center() - frame.center()).manhattanLength(); };
    const QRect area = *std::min_element(areas.cbegin(), areas.cend(), [&](const QRect& a, const QRect& b) {
        return overlap(a) != overlap(b) ? overlap(a) > overlap(b) : distance(a) < distance(b);
    });
    // No further than it must: into the area from whichever side it stands out, its top left first.
    return {std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
            std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()))};
}

QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

namespace {
// Watches the screens for a window, and moves it back on them after a change.
class ScreenKeeper : public QObject
{
public:
    explicit ScreenKeeper(QWidget* window)
        : QObject(window)
        , mWindow(window)
    {
        // Once the change is done: a screen that goes is still listed while it is being removed.
        mCheck.setSingleShot(true);
        mCheck.setInterval(0);
        connect(&mCheck, &QTimer::timeout, this, &ScreenKeeper::Check);
        for (QScreen* screen : QGuiApplication::screens())
            Follow(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
            Follow(screen);
            mCheck.start();
        });
        connect(qGuiApp, &QGuiApplication::screenRemoved, &mCheck, qOverload<>(&QTimer::start));
        window->installEventFilter(this);
    }

protected:
    // A window left where it was while minimised or hidden is looked at once it shows again.
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (mWaiting && (type == QEvent::Show || type == QEvent::WindowStateChange))
            mCheck.start();
        return false;
    }

private:
    void Follow(QScreen* screen)
    {
        connect(screen, &QScreen::availableGeometryChanged, &mCheck, qOverload<>(&QTimer::start));
    }

    void Check()
    {
        // Moved, a minimised or hidden window would show.
        mWaiting = !mWindow->isVisible() || CountsAsMinimised(mWindow);
        if (!PlatformPlacesWindows() || mWaiting)
            return;
        const QRect frame = mWindow->frameGeometry();
        const QPoint place = KeptOnScreen(frame, ScreenAreas());
        if (place != frame.topLeft())
            mWindow->move(mWindow->pos() + place - frame.topLeft());
    }

    QWidget* mWindow;
    QTimer mCheck;
    bool mWaiting = false;
};
} // namespace

void KeepOnScreen(QWidget* window)
{
    new ScreenKeeper(window);
}
