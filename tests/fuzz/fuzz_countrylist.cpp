// "Country.txt" as a user may install it.
#include "fuzzcommon.h"

#include "config/countrycodemodel.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static CountryCodeModel model(nullptr);
    {
        QFile file(folder.filePath(QStringLiteral("Country.txt")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fuzz::fail("cannot write the country list");
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const bool loaded = model.loadCountryList(folder.path(), QStringLiteral("Norway"));
    FUZZ_CHECK(loaded == (model.rowCount() > 0));
    for (int row = 0; row < model.rowCount(); ++row) {
        const int code = model.rows().at(row).code;
        FUZZ_CHECK(code >= 200 && code <= 799);
        model.data(model.index(row, CountryCodeModel::CodeColumn));
        model.data(model.index(row, CountryCodeModel::CountryColumn));
        FUZZ_CHECK(model.countryLabelText(code).size() <= 48);
    }
    model.selectCountry(257);
    return 0;
}
