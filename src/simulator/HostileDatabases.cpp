#include "Databases.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "text/Utf.h"

namespace sim {

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();

AssayRow PlainAssay(std::u16string sample, double pressureKPa) {
    AssayRow row;
    row.sample = std::move(sample);
    row.date = 1700000000;
    row.atmpressureKPa = pressureKPa;
    return row;
}

void AddPeaks(HostWriter& writer, int64_t assayId, std::initializer_list<PeakRow> peaks) {
    for (const auto& peak : peaks) {
        writer.AddPeak(assayId, peak);
    }
}

// Host tables declared without primary keys, so that even the ids can be NULL.
void NullEverywhere(HostWriter& writer) {
    writer.Exec(
        "CREATE TABLE station (id INTEGER, name TEXT);"
        "CREATE TABLE place (id INTEGER, stationid INTEGER, name TEXT);"
        "CREATE TABLE operator (id INTEGER, name TEXT);"
        "CREATE TABLE versioninfo (id INTEGER, version INTEGER, appliedon INTEGER);"
        "CREATE TABLE mixture (id INTEGER, name TEXT);"
        "CREATE TABLE mixturecomp (mixtureid INTEGER, name TEXT, concentration REAL, deviation REAL, "
        "qty_sym_conc INTEGER, qty_sym_dev INTEGER);"
        "CREATE TABLE assay (id INTEGER, filename TEXT, uuid TEXT, sample TEXT, method TEXT, date INTEGER, "
        "mixture TEXT, atmpressure REAL, isdeleted INTEGER, iscalibration INTEGER, operatorid INTEGER, "
        "stationid INTEGER, placeid INTEGER);"
        "CREATE TABLE peak (assayid INTEGER, name TEXT, time REAL, area REAL, height REAL);");
    writer.Exec("INSERT INTO station VALUES (NULL, NULL), (1, 'Станция');"
                "INSERT INTO place VALUES (NULL, NULL, NULL), (1, 1, NULL);"
                "INSERT INTO operator VALUES (NULL, NULL);"
                "INSERT INTO versioninfo VALUES (NULL, NULL, NULL);"
                "INSERT INTO mixture VALUES (NULL, NULL), (1, 'Смесь');"
                "INSERT INTO mixturecomp VALUES (1, NULL, NULL, NULL, NULL, NULL), "
                "(NULL, 'Метан', 1, 1, 1, 1);"
                "INSERT INTO assay (id) VALUES (1), (NULL);"
                "INSERT INTO peak VALUES (1, NULL, NULL, NULL, NULL), (1, 'Метан', NULL, NULL, NULL), "
                "(NULL, 'Этан', 1, 2, 3), (1, 'С6+', NULL, NULL, NULL);");
}

void EmptyNames(HostWriter& writer) {
    writer.CreateSchema(SchemaOptions{});
    const int64_t station = writer.AddStation(u"");
    writer.AddPlace(station, u"");
    writer.AddOperator(u"");
    const int64_t mixture = writer.AddMixture(u"");
    writer.AddMixtureComponent(mixture, {u"", 1.5, 0.1, 2, 2});
    writer.AddMixtureComponent(mixture, {u"Метан", 98.5, 0.1, 2, 2});
    AssayRow assay = PlainAssay(u"", 101.325);
    assay.stationId = station;
    const int64_t id = writer.AddAssay(assay);
    AddPeaks(writer, id, {{u"", 1.0, 100.0, 10.0}, {u"Метан", 2.0, 1000.0, 100.0}, {u"", 3.0, 50.0, 5.0}});
}

void UsualRows(HostWriter& writer) {
    const int64_t mixture = writer.AddMixture(u"Смесь");
    writer.AddMixtureComponent(mixture, {u"Метан", 99.0, 0.05, 2, 2});
    writer.AddMixtureComponent(mixture, {u"Азот", 1.0, 0.02, 2, 2});
    const int64_t id = writer.AddAssay(PlainAssay(u"Проба", 101.325));
    AddPeaks(writer, id, {{u"Метан", 2.0, 1000.0, 100.0}, {u"Этан", 3.0, 100.0, 10.0}});
}

void MissingColumns(HostWriter& writer) {
    writer.Exec("CREATE TABLE versioninfo (id INTEGER PRIMARY KEY, version INTEGER, appliedon INTEGER);"
                "INSERT INTO versioninfo VALUES (1, 24, 1700000000);"
                "CREATE TABLE mixture (id INTEGER PRIMARY KEY, name TEXT);"
                "CREATE TABLE mixturecomp (mixtureid INTEGER, name TEXT, concentration REAL, deviation REAL);"
                "INSERT INTO mixture VALUES (1, 'Смесь');"
                "INSERT INTO mixturecomp VALUES (1, 'Метан', 100, 0.05);"
                "CREATE TABLE assay (id INTEGER PRIMARY KEY, atmpressure REAL);"
                "INSERT INTO assay VALUES (1, 101.325);"
                "CREATE TABLE peak (assayid INTEGER, name TEXT, time REAL, area REAL);"
                "INSERT INTO peak VALUES (1, 'Метан', 2, 1000), (1, 'Этан', 3, 100);");
}

void TextInNumbers(HostWriter& writer) {
    writer.CreateSchema(SchemaOptions{});
    writer.Exec("DELETE FROM versioninfo;"
                "INSERT INTO versioninfo VALUES (1, 'двадцать четыре', 1700000000);"
                "INSERT INTO mixture VALUES (1, 'Смесь');"
                "INSERT INTO mixturecomp VALUES (1, 'Метан', '5,5', 'abc', 'два', '3 знака');"
                "INSERT INTO assay (id, sample, date, atmpressure, isdeleted, iscalibration) VALUES "
                "(1, 'Проба', 'вчера', 'высокое', 0, 0), (2, 'Проба', 1700000000, '99.5 kPa', 0, 0);"
                "INSERT INTO peak VALUES (1, 'Метан', 'рано', 'abc', 'x'), (1, 'Этан', 2, '12.5kg', 1), "
                "(1, 'Пропан', 3, '1e3x', 1), (1, 'Азот', 'late', X'0102', 1), "
                "(2, 'Метан', 1, '250 единиц', 1);");
}

void NonFiniteNumbers(HostWriter& writer) {
    writer.CreateSchema(SchemaOptions{});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const int64_t first = writer.AddAssay(PlainAssay(u"Бесконечное давление", kInfinity));
    AddPeaks(writer, first,
             {{u"Метан", 1.0, kInfinity, kInfinity},
              {u"Этан", 2.0, -kInfinity, 1.0},
              {u"Пропан", 3.0, -500.0, -50.0},
              {u"Азот", 4.0, nan, nan},
              {u"С6+", 5.0, 1e308, 1.0},
              {u"С6+ тяжёлые", 6.0, 1e308, 1.0}});
    const int64_t second = writer.AddAssay(PlainAssay(u"Отрицательное давление", -5.0));
    AddPeaks(writer, second, {{u"Метан", 1.0, 1000.0, 10.0}});
    const int64_t third = writer.AddAssay(PlainAssay(u"Давление NaN", nan));
    AddPeaks(writer, third, {{u"Метан", 1.0, 1000.0, 10.0}});
    const int64_t mixture = writer.AddMixture(u"Смесь");
    writer.AddMixtureComponent(mixture, {u"Метан", kInfinity, nan, 0, 0});
    writer.Exec(
        "INSERT INTO mixturecomp VALUES (1, 'Азот', -1e308, 1e308, 2147483648, -9223372036854775808);");
}

void ManyPeaks(HostWriter& writer) {
    writer.CreateSchema(SchemaOptions{});
    UsualRows(writer); // chromatogram 1 is the usual one; the many peaks are added to it
    const char16_t* groups[] = {u"С6+", u"С6", u"С7", u"С8"};
    for (int32_t i = 0; i < kManyPeaksCount; ++i) {
        PeakRow peak;
        peak.timeMin = 10.0 + i * 0.001;
        peak.area = 1.0 + i % 7;
        peak.height = 1.0;
        if (i % 10 == 0) {
            peak.name = groups[(i / 10) % 4];
        } else if (i % 10 == 1) {
            peak.name = u"Метан";
        } else {
            peak.name = u"Пик " + Utf8ToUtf16(std::to_string(i));
        }
        writer.AddPeak(1, peak);
    }
}

void OddNames(HostWriter& writer) {
    writer.CreateSchema(SchemaOptions{});
    const std::vector<std::u16string> names = OddPeakNames();
    const int64_t station = writer.AddStation(names[0]);
    const int64_t place = writer.AddPlace(station, names[4]);
    AssayRow assay = PlainAssay(names[3], 101.325);
    assay.filename = names[4];
    assay.mixture = u"Смесь";
    assay.stationId = station;
    assay.placeId = place;
    assay.operatorId = writer.AddOperator(names[5]);
    const int64_t id = writer.AddAssay(assay);
    const int64_t mixture = writer.AddMixture(u"Смесь");
    for (size_t i = 0; i < names.size(); ++i) {
        writer.AddPeak(id, {names[i], 1.0 + static_cast<double>(i), 10.0 * static_cast<double>(i + 1), 1.0});
        writer.AddMixtureComponent(mixture, {names[i], static_cast<double>(i + 1), 0.01, 2, 2});
        writer.AddMixture(names[i]);
    }
    // Two ill-formed texts: an unpaired surrogate and bytes that are not UTF-8.
    writer.AddPeak(id, {std::u16string(u"\xD800x"), 100.0, 1.0, 1.0});
    writer.Exec("INSERT INTO peak VALUES (1, CAST(X'41C0AF42FF' AS TEXT), 101, 1, 1);");
}
} // namespace

std::string_view NameOf(HostileKind kind) {
    switch (kind) {
    case HostileKind::NullEverywhere:
        return "null-everywhere";
    case HostileKind::EmptyNames:
        return "empty-names";
    case HostileKind::NoTables:
        return "no-tables";
    case HostileKind::NoVersionInfo:
        return "no-versioninfo";
    case HostileKind::MissingColumns:
        return "missing-columns";
    case HostileKind::TextInNumbers:
        return "text-in-numbers";
    case HostileKind::NonFiniteNumbers:
        return "non-finite-numbers";
    case HostileKind::ManyPeaks:
        return "many-peaks";
    case HostileKind::OddNames:
        return "odd-names";
    case HostileKind::NotADatabase:
        return "not-a-database";
    }
    return "";
}

std::vector<std::u16string> OddPeakNames() {
    return {
        u"%s",
        u"%d%n%s%%",
        u"'; DROP TABLE peak; --",
        u"\"кавычки\" и 'апострофы'",
        u"<&> &amp; </root>",
        u"\x01\x02\t\r\n\x1b\x7f",
        std::u16string(10000, u'Ж'),
        u"\U0001F600 эмодзи",
        std::u16string(u"a\0b", 3),
        u"Ёлка ЁЛКА",
    };
}

void MakeHostileDatabase(const std::string& pathUtf8, HostileKind kind) {
    if (kind == HostileKind::NotADatabase) {
        RemoveDatabaseFile(pathUtf8);
        std::ofstream file(std::filesystem::path(std::u8string(pathUtf8.begin(), pathUtf8.end())),
                           std::ios::binary);
        for (int i = 0; i < 64; ++i) {
            file << "This file is a chromatogram export, not an SQLite database.\n";
        }
        if (!file) {
            throw std::runtime_error("cannot write " + pathUtf8);
        }
        return;
    }
    HostWriter writer(pathUtf8);
    writer.Begin();
    switch (kind) {
    case HostileKind::NullEverywhere:
        NullEverywhere(writer);
        break;
    case HostileKind::EmptyNames:
        EmptyNames(writer);
        break;
    case HostileKind::NoTables:
        writer.Exec("PRAGMA user_version = 1");
        break;
    case HostileKind::NoVersionInfo:
        writer.CreateSchema(SchemaOptions{});
        UsualRows(writer);
        writer.Exec("DROP TABLE versioninfo");
        break;
    case HostileKind::MissingColumns:
        MissingColumns(writer);
        break;
    case HostileKind::TextInNumbers:
        TextInNumbers(writer);
        break;
    case HostileKind::NonFiniteNumbers:
        NonFiniteNumbers(writer);
        break;
    case HostileKind::ManyPeaks:
        ManyPeaks(writer);
        break;
    case HostileKind::OddNames:
        OddNames(writer);
        break;
    case HostileKind::NotADatabase:
        break;
    }
    writer.Commit();
}

} // namespace sim
