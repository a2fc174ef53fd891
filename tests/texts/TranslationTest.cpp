#include <gtest/gtest.h>

#include <functional>

#include "texts/MessageTable.h"
#include "texts/Translation.h"
#include "texts/TranslationFile.h"

namespace {

enum class Form { Xliff, Csv };

// Operating texts in two languages with what a translator must not break: umlauts, blink,
// graphics (spanning a line break), a "{" and a byte without typed form (0xB5).
struct Fixture
{
    TMessageTable operating;
    TMessageTable diagnostic;
    Translation::Project project;
    Translation::Record record;

    Fixture()
    {
        operating.headerLines[0] = {"Binaer"};
        operating.SetText(0, 0, "Anlage bereit");
        operating.SetText(1, 0, "Pumpe 1\rK\x81hlung {\x0F" "an\x0E");
        operating.SetText(1, 1, "Pump 1\rCooling {\x0F" "on\x0E");
        operating.SetText(2, 0, "Temp \x10" "E\r" "AB\x12 zu hoch \xB5");
        operating.SetText(3, 0, "Tank leer");
        diagnostic.SetText(7, 0, "Sensor defekt");
        diagnostic.SetText(7, 1, "Sensor broken");
        project.tables = {&operating, &diagnostic};
        project.lineLength = 20;
    }

    QByteArray Export(Form form)
    {
        const QList<Translation::Unit> units = Translation::Units(project, {0, 1}, record);
        return form == Form::Csv ? TranslationFile::ToCsv(units, project)
                                 : TranslationFile::ToXliff(units, project, {QStringLiteral("de"), QStringLiteral("en")});
    }

    Translation::Plan Check(Form form, const QByteArray& file)
    {
        const TranslationFile::Content content =
            form == Form::Csv ? TranslationFile::FromCsv(file) : TranslationFile::FromXliff(file);
        return Translation::Check(project, content.entries);
    }
};

class TranslationRoundTrip : public ::testing::TestWithParam<Form>
{
};

TEST_P(TranslationRoundTrip, UnchangedFileTakesNothingAndEditsSurvive)
{
    Fixture f;
    QByteArray file = f.Export(GetParam());
    const Translation::Plan same = f.Check(GetParam(), file);
    EXPECT_TRUE(same.errors.isEmpty()) << same.Report(false).toStdString();
    EXPECT_TRUE(same.texts.empty());
    EXPECT_EQ(same.unchanged, 3);
    EXPECT_EQ(f.Export(GetParam()), file); // stable

    // The translator fills in the empty lines; the codes come back where they stood.
    const bool csv = GetParam() == Form::Csv;
    file.replace(csv ? "Anlage bereit,," : "Anlage bereit</source>\n          <target state=\"needs-translation\">",
                 csv ? "Anlage bereit,Plant réady," : "Anlage bereit</source>\n          <target>Plant ready ä");
    const QByteArray line2 = csv ? "Temp {gfx}E,," : "<target state=\"needs-translation\"></target>\n          <note>Temp [Grafik 45]";
    ASSERT_TRUE(file.contains(line2)) << file.toStdString();
    file.replace(line2, csv ? "Temp {gfx}E,Temp {gfx}E," : "<target>Temp <ph id=\"1\" tav:codes=\"10 45\">{gfx}E</ph></target>\n          <note>Temp [Grafik 45]");
    const Translation::Plan plan = f.Check(GetParam(), file);
    ASSERT_EQ(plan.texts.size(), 2u) << plan.Report(false).toStdString();
    EXPECT_EQ(plan.texts.at({0, 0}), csv ? QByteArray("Plant ready") : QByteArray("Plant ready \x84"));
    EXPECT_EQ(plan.texts.at({0, 2}), QByteArray("Temp \x10" "E"));
    EXPECT_EQ(plan.errors.size(), csv ? 1 : 0); // é is not on the display: reported, e put in its place
    ASSERT_TRUE(Translation::Apply(plan, {&f.operating, &f.diagnostic}, 1));
    EXPECT_TRUE(f.operating.modified[1]);
    EXPECT_TRUE(f.Check(GetParam(), f.Export(GetParam())).texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Forms, TranslationRoundTrip, ::testing::Values(Form::Xliff, Form::Csv));

struct FaultCase
{
    const char* name;
    Translation::Finding::Kind kind;
    std::function<void(Fixture&, QByteArray&)> spoil;
    bool takenWithForce; // the faulty line goes in anyway (with its replacement)
};

TEST(TranslationCheck, EachFaultIsReportedAndForceTakesWhatFits)
{
    const FaultCase cases[] = {
        {"too long", Translation::Finding::TooLong,
         [](Fixture&, QByteArray& file) { file.replace("Sensor broken", "Sensor broken beyond repair"); }, false},
        {"unknown character", Translation::Finding::UnknownCharacter,
         [](Fixture&, QByteArray& file) { file.replace("Sensor broken", "Sensor bróken down"); }, true},
        {"changed source", Translation::Finding::SourceChanged,
         [](Fixture& f, QByteArray& file) {
             f.diagnostic.SetText(7, 0, "Sensor kaputt");
             file.replace("Sensor broken", "Sensor failed");
         },
         false},
        {"unknown id", Translation::Finding::UnknownId,
         [](Fixture& f, QByteArray& file) {
             file.replace("Sensor broken", "Sensor failed");
             f.diagnostic.DeleteAt(0);
         },
         false},
    };
    for (const Form form : {Form::Xliff, Form::Csv}) {
        for (const FaultCase& c : cases) {
            SCOPED_TRACE(c.name);
            Fixture f;
            QByteArray file = f.Export(form);
            file.replace("Pump 1", "Pump one");
            c.spoil(f, file);
            const Translation::Plan plan = f.Check(form, file);
            ASSERT_EQ(plan.errors.size(), 1) << plan.Report(true).toStdString();
            EXPECT_EQ(plan.errors[0].kind, c.kind);
            EXPECT_EQ(plan.texts.count({1, 7}), c.takenWithForce ? 1u : 0u);
            EXPECT_EQ(plan.texts.count({0, 1}), 1u) << "the good line is taken with --force";
            if (c.takenWithForce) {
                EXPECT_EQ(plan.texts.at({1, 7}), QByteArray("Sensor broken down"));
                EXPECT_TRUE(plan.errors[0].text.contains(QStringLiteral("\u201Eo\u201C")));
            }
        }
    }
}

TEST(TranslationCheck, NearestDisplayCharacter)
{
    const std::pair<char32_t, const char*> cases[] = {
        {U'é', "e"}, {U'Å', "A"}, {U'\u201C', "\""}, {U'€', "EUR"}, {U'\u2026', "..."}, {U'漢', "?"}};
    for (const auto& [cp, nearest] : cases)
        EXPECT_EQ(Translation::NearestDisplayText(cp), QString::fromUtf8(nearest)) << static_cast<int>(cp);
}

TEST(TranslationStatus, MissingOutdatedTooLong)
{
    Fixture f;
    f.Export(Form::Xliff); // the record gets the baseline of the translated lines
    EXPECT_EQ(Translation::Status(f.project, 0, f.record), (Translation::TableStatus{4, 3, 0, 0}));
    f.operating.SetText(3, 1, "Tank empty, please refill now");
    f.operating.SetText(1, 0, "Pumpe 2\rK\x81hlung {\x0F" "an\x0E");
    EXPECT_EQ(Translation::Status(f.project, 0, f.record), (Translation::TableStatus{4, 2, 1, 1}));
    // An export after the source changed still marks the old translation.
    bool marked = false;
    for (const Translation::Unit& unit : Translation::Units(f.project, {0}, f.record))
        marked = marked || (unit.number == 1 && unit.line == 1 && unit.needsTranslation);
    EXPECT_TRUE(marked);
    EXPECT_EQ(Translation::Status(f.project, 1, f.record), (Translation::TableStatus{1, 0, 0, 0}));
}

} // namespace
