// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "aboutfacts.h"
#include "files/oxlfiles.h"
#include "formkit.h"
#include "running/globals.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Kelvara Utility"));
    setFont(SansFont(10));

    const AboutFacts facts = GatherAboutFacts(ProgramFolder(), GameDatabasePath(),
                                              ProgramFolder() + QLatin1String(SettingsFileName));
    const QList<std::pair<QString, QString>> lines = AboutLines(facts, QLocale());
    mText = AboutText(lines);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Kelvara Utility %1").arg(facts.Version), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = SansFont(12);
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [name, value] : lines) {
        auto* shown = new QLabel(value, this);
        shown->setTextFormat(Qt::PlainText);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(name + QLatin1Char(':'), shown);
    }
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy to Clipboard"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(copy, &QPushButton::clicked, this, &frmAbout::cmdCopy_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // The window takes the size its texts need, also when they are translated.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(mText);
}
