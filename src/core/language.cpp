// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& InUse()
{
    static QString language = QStringLiteral("en");
    return language;
}

// Loads one translation file and puts it in use; a missing file is passed over.
void Add(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        Installed().push_back(std::move(translator));
}

} // namespace

const QStringList& Language::Shipped()
{
    static const QStringList languages{QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"),
                                       QStringLiteral("pt_BR"), QStringLiteral("ru"), QStringLiteral("pl")};
    return languages;
}

QString Language::OwnName(const QString& language)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
        {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
        {QStringLiteral("pt_BR"), QStringLiteral("Portugu\u00eas (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439")},
        {QStringLiteral("pl"), QStringLiteral("Polski")}};
    return names.value(language, language);
}

QString Language::Resolve(const QString& choice, const QStringList& desktop)
{
    if (!choice.isEmpty())
        return Shipped().contains(choice) ? choice : QStringLiteral("en");
    for (const QString& entry : desktop) {
        const QString name = QString(entry).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return QStringLiteral("en");
        for (const QString& shipped : Shipped())
            if (shipped.section(QLatin1Char('_'), 0, 0) == language)
                return shipped;
    }
    return QStringLiteral("en");
}

QString Language::Install(const QString& choice)
{
    const QString language = Resolve(choice, choice.isEmpty() ? QLocale::system().uiLanguages() : QStringList());
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    // The translator installed last is asked first.
    if (language == QLatin1String("en")) {
        Add(QStringLiteral("kelvara-utility_en"), QStringLiteral(":/i18n"));
    } else {
        Add(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Add(QStringLiteral("kelvara-utility_") + language, QStringLiteral(":/i18n"));
    }
    InUse() = language;
    return language;
}

QString Language::Current()
{
    return InUse();
}

QLocale Language::CurrentLocale()
{
    return InUse() == QLatin1String("en") ? QLocale(QLocale::English) : QLocale(InUse());
}
