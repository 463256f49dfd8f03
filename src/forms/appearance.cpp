// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

Appearance::Appearance(QObject* parent)
    : QObject(parent)
    , mNormalStyle(QApplication::style()->name())
{
}

void Appearance::SetChoice(ColourChoice choice)
{
    mChoice = choice;
    Apply();
}

void Appearance::Follow(ColourScheme* scheme)
{
    delete mScheme;
    mScheme = scheme;
    scheme->setParent(this);
    connect(scheme, &ColourScheme::Changed, this, [this](ColourScheme::Scheme desktop) {
        mDesktop = desktop;
        Apply();
    });
    scheme->Start();
}

void Appearance::Apply()
{
    const bool dark = mChoice == ColourChoice::Dark
        || (mChoice == ColourChoice::Desktop && mDesktop == ColourScheme::Scheme::Dark);
    if (dark == mDark)
        return;
    mDark = dark;
    if (QStyle* style = QStyleFactory::create(dark ? QStringLiteral("Fusion") : mNormalStyle))
        QApplication::setStyle(style);
    // An empty palette gives the style's own again.
    QApplication::setPalette(dark ? DarkPalette() : QPalette());
}

QPalette Appearance::DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xee, 0xee, 0xee);
    const QColor disabled(0x80, 0x80, 0x80), highlight(0x2a, 0x82, 0xda);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x55, 0x55));
    palette.setColor(QPalette::Light, window.lighter(150));
    palette.setColor(QPalette::Midlight, window.lighter(125));
    palette.setColor(QPalette::Mid, window.darker(125));
    palette.setColor(QPalette::Dark, window.darker(150));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Link, highlight.lighter(130));
    palette.setColor(QPalette::LinkVisited, highlight.lighter(110));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, window.lighter(130));
    return palette;
}
