// The tool's command line and setting arguments, checked without a mouse: what
// is refused and with which words.
#include "cliarguments.h"
#include "clicommands.h"

#include <QtTest>

namespace {

// The first refusal of the command line `args` on a product with `features`
// and six numbered buttons; "" when everything is taken.
QString refusal(const QStringList& args, const ProductFeatures& features) {
    CliOptions o;
    QString error;
    if (!parseCommandLine(args, &o, &error)) return error;
    if (o.command == QLatin1String("button") && o.args.size() == 2) {
        ButtonAssignment a;
        parseButtonAssignment(o.args[0], o.args[1], {0, 1, 2, 3, 4, 5}, features, &a, &error);
    } else if (o.command == QLatin1String("button") && o.args.size() == 1) {
        buttonRecord(o.args[0], {0, 1, 2, 3, 4, 5}, &error);
    } else if (o.command == QLatin1String("dpi") && !o.args.isEmpty()) {
        DpiRange range;
        range.sensor = 3325;
        range.minStep = 1;
        range.maxStep = 90;
        range.stageCount = 4;
        MouseProfile p;
        setDpi(p, o, range, &error);
    } else if (const SensorOption* option = findOption(o.command); option && !o.args.isEmpty()) {
        parseOption(*option, o.args[0], &error);
    }
    return error;
}

// A command line (words split at spaces), the product's lighting, and the
// refusal expected (a regular expression; "" for none).
struct Row {
    const char* args;
    bool lighting;
    const char* error;
};
const Row kRows[] = {
    {"lift --profile 2 1", true, "--profile goes with"},
    {"--profile=6 dpi", true, "--profile: expected a number from 1 to 5"},
    {"dpi --stage 2 400 800", true, "--stage goes with"},
    {"dpi 400 1650", true, ""},
    {"dpi abc", true, "'abc' is not a number"},
    {"dpi 400 20000", true, "outside the sensor's range 100 to 16000"},
    {"jitter maybe", true, "on or off"},
    {"button 6", true, ""},
    {"button 7", true, "from 1 to 6, not '7'"},
    {"button 3 play-pause", true, ""},
    {"button 3 key:F5", true, ""},
    {"button 3 led-switch", true, ""},
    {"button 3 led-switch", false,
     "menu does not offer 'led-switch'; the functions are .*button-off"},
    {"button 3 combo-key", true, "'combo-key' needs the window"},
    {"button 3 teleport", true, "unknown function 'teleport'"},
};

} // namespace

class TestCliArguments : public QObject {
    Q_OBJECT
private slots:
    void refusals_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kRows)); ++i)
            QTest::addRow("%s%s", kRows[i].args, kRows[i].lighting ? "" : ", unlit") << i;
    }
    void refusals() {
        QFETCH(int, row);
        const Row& r = kRows[row];
        const QString got = refusal(QString::fromLatin1(r.args).split(QLatin1Char(' ')),
                                    ProductFeatures{true, r.lighting});
        if (*r.error == 0)
            QCOMPARE(got, QString());
        else
            QVERIFY2(got.contains(QRegularExpression(QString::fromLatin1(r.error))),
                     qPrintable(got));
    }
};

QTEST_GUILESS_MAIN(TestCliArguments)
#include "test_cliarguments.moc"
