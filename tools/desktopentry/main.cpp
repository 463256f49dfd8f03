// SPDX-License-Identifier: GPL-3.0-or-later
// kelvara-desktopentry: writes the program's desktop entry from its template and the program's
// translations. After each line of the template whose key is translatable (Name, GenericName,
// Comment, Keywords) come that key's values in each language given, as the language's .qm file
// translates the English value; a language without a translation of it gets none (the desktop
// shows the English one).
//   kelvara-desktopentry TEMPLATE OUTPUT [LANGUAGE=QM-FILE]...
#include "app/desktopentrytexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kelvara-desktopentry: %s\n", qPrintable(message));
    return 1;
}

// A text as a desktop entry's value writes it.
QString Escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2)
        return Fail(QStringLiteral("usage: kelvara-desktopentry TEMPLATE OUTPUT [LANGUAGE=QM-FILE]..."));

    std::vector<std::pair<QString, std::unique_ptr<QTranslator>>> languages;
    for (const QString& argument : arguments.mid(2)) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        auto translator = std::make_unique<QTranslator>();
        if (equals <= 0 || !translator->load(argument.mid(equals + 1)))
            return Fail(QStringLiteral("cannot read the translation %1").arg(argument));
        languages.emplace_back(argument.left(equals), std::move(translator));
    }

    QFile in(arguments[0]);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("%1: %2").arg(in.fileName(), in.errorString()));
    const QStringList translatable = {QStringLiteral("Name"), QStringLiteral("GenericName"), QStringLiteral("Comment"),
                                      QStringLiteral("Keywords")};
    QByteArray entry;
    int number = 0;
    for (const QByteArray& raw : in.readAll().split('\n')) {
        ++number;
        if (raw.isEmpty())
            continue;
        entry += raw + '\n';
        const QString line = QString::fromUtf8(raw);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || !translatable.contains(line.left(equals)))
            continue;
        // The English value must be one of the program's texts, or no language would have it.
        const QByteArray value = raw.mid(equals + 1);
        if (std::none_of(std::begin(DesktopEntryTexts::Texts), std::end(DesktopEntryTexts::Texts),
                         [&value](const char* text) { return value == text; }))
            return Fail(QStringLiteral("%1:%2: \"%3\" is not among the texts of app/desktopentrytexts.h")
                            .arg(in.fileName())
                            .arg(number)
                            .arg(QString::fromUtf8(value)));
        for (const auto& [language, translator] : languages) {
            const QString translated = translator->translate(DesktopEntryTexts::Context, value.constData());
            if (!translated.isEmpty())
                entry += QStringLiteral("%1[%2]=%3\n").arg(line.left(equals), language, Escaped(translated)).toUtf8();
        }
    }

    QSaveFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(entry) != entry.size() || !out.commit())
        return Fail(QStringLiteral("%1: %2").arg(out.fileName(), out.errorString()));
    return 0;
}
