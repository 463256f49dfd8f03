#include "formkit.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

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
    if ((align & Qt::AlignRight) && !caption.isEmpty()) {
        const int needed = label->fontMetrics().horizontalAdvance(caption) + 2;
        if (needed > rect.width())
            rect.setLeft(std::max(0, rect.right() + 1 - needed));
    }
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
