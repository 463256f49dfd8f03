// The folder file reader on any file contents, and the writer on any folder: reading
// never fails, and a folder saved reads back as it was, except for the cases the
// file cannot hold (blanks at either end, which the reader trims, and a double
// quote beside a comma or line end, which cannot be quoted).
#include "fuzzkit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const std::string contents = input.ConsumeRandomLengthString(512);
    PutFile(FolderFileName, reinterpret_cast<const uint8_t*>(contents.data()), contents.size());
    const QString folder = ReadCharacterFolder();
    Check(!folder.isEmpty(), "a folder is always given");

    // Any folder text a file dialog could hand over, as it is written to the file.
    QString chosen = Cp1252::Decode(Cp1252::Encode(RestText(input)));
    if (!chosen.startsWith(QLatin1Char('/')))
        chosen.prepend(QLatin1Char('/'));
    chosen += QStringLiteral("/hero.oxl");
    SaveCharacterFolder(chosen);
    const QString expected = chosen.left(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    const bool trimmed = expected.startsWith(QLatin1Char(' ')) || expected.endsWith(QLatin1Char(' '));
    const bool unquotable = expected.contains(QLatin1Char('"'))
        && (expected.contains(QLatin1Char(',')) || expected.contains(QLatin1Char('\r'))
            || expected.contains(QLatin1Char('\n')));
    const QString back = ReadCharacterFolder();
    if (!trimmed && !unquotable)
        Check(back == expected, "a saved folder reads back", back + QStringLiteral(" <> ") + expected);
    return 0;
}
