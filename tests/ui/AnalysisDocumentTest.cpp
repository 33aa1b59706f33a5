// The analysis document: wexa --export-document and File > Export Analysis
// Document. The PDF, read back with poppler's tools, holds the figures that
// wexa-cli gives for the same project and seed.
#include "results/AnalysisDocument.h"
#include "WindowFixture.h"
#include "model/ProjectFile.h"
#include "results/ChartContent.h"
#include "results/DocumentJob.h"
#include "ui/DocumentExportDialog.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kSeed = 7;

struct Ended {
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};

Ended RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// What wexa-cli says of the project as JSON; `run` writes it to a file.
QJsonObject CliJson(const QString& command, const QString& project, const QTemporaryDir& folder) {
    QStringList arguments{command, project, QStringLiteral("--seed"), QString::number(kSeed),
                          QStringLiteral("--json")};
    const QString file = folder.filePath(command + QStringLiteral(".json"));
    if (command == QStringLiteral("run")) {
        arguments << file << QStringLiteral("-o") << folder.filePath(QStringLiteral("report.txt"));
    }
    const Ended ended = RunProgram(QStringLiteral(WEXA_CLI_PATH), arguments);
    QFile written(file);
    const QByteArray json = command == QStringLiteral("run") && written.open(QIODevice::ReadOnly)
                                ? written.readAll()
                                : ended.Out;
    return QJsonDocument::fromJson(json).object();
}

// How the document writes a dollar figure and a share.
QString Dollars(double value) {
    return QString::fromStdString(wexa::forms::FormatNumber(value, "#,##0"));
}

QString Share(double value) {
    return QString::fromStdString(wexa::forms::FormatNumber(value, "0.00"));
}

} // namespace

class AnalysisDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void documentHoldsTheCommandLinesFigures_data();
    void documentHoldsTheCommandLinesFigures();
    void refusalsAndUsageErrorsEndWithTheirStatus();
    void windowExportsTheLastRunOnly();
};

void AnalysisDocumentTest::documentHoldsTheCommandLinesFigures_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<bool>("deterministic");
    for (const char* example : {"urban-freeway", "rural-two-lane"}) {
        for (const bool deterministic : {false, true}) {
            QTest::addRow("%s%s", example, deterministic ? " deterministic" : "")
                << QString::fromLatin1(example) << deterministic;
        }
    }
}

void AnalysisDocumentTest::documentHoldsTheCommandLinesFigures() {
    QFETCH(QString, example);
    QFETCH(bool, deterministic);
    QTemporaryDir folder;
    auto project = std::make_unique<wexa::Project>();
    QVERIFY(
        wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/" + example.toStdString() + ".wxa", *project));
    if (deterministic) {
        project->AnalysisType = wexa::kDeterministicAnalysis;
    }
    const QString path = folder.filePath(QStringLiteral("project.wxa"));
    QVERIFY(wexa::WriteProjectFile(path.toStdString(), *project));

    const QString pdf = folder.filePath(QStringLiteral("analysis.pdf"));
    const Ended exported =
        RunProgram(QStringLiteral(WEXA_APP_PATH),
                   {"--export-document", path, "-o", pdf, "--seed", QString::number(kSeed)});
    QVERIFY2(exported.Code == 0, exported.Err.constData());
    const Ended info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.Out.contains("Page size:       612 x 792 pts (letter)"));
    // Every font is embedded: no line of pdffonts' table ends "no" in the
    // embedded column.
    const Ended fonts = RunProgram(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.Out.count('\n') > 2);
    for (const QByteArray& line : fonts.Out.split('\n').mid(2)) {
        QVERIFY2(line.isEmpty() || line.contains(" yes "), line.constData());
    }
    const QString text = QString::fromUtf8(RunProgram(QStringLiteral("pdftotext"), {pdf, "-"}).Out);
    QVERIFY(text.contains(QStringLiteral("Page 1 of")));

    // The results: every stored percentile of the total costs, or the one
    // NPV of a deterministic run.
    const QJsonObject run = CliJson(QStringLiteral("run"), path, folder);
    QVERIFY(!run.isEmpty());
    for (const QJsonValue alternative : run.value("alternatives").toArray()) {
        const QJsonObject total = alternative.toObject().value("total").toObject();
        if (deterministic) {
            const double npv = total.value("npv").toArray().first().toDouble();
            QVERIFY2(text.contains(Dollars(npv)), qPrintable(Dollars(npv)));
            continue;
        }
        QCOMPARE(total.value("percentiles").toArray().size(), 11);
        for (const QJsonValue point : total.value("percentiles").toArray()) {
            QVERIFY2(text.contains(Dollars(point.toDouble())),
                     qPrintable(Dollars(point.toDouble())));
        }
    }

    // The stream's totals, which are the stream's NPVs.
    const QJsonObject cashflow = CliJson(QStringLiteral("cashflow"), path, folder);
    QVERIFY(!cashflow.value("alternatives").toArray().isEmpty());
    for (const QJsonValue alternative : cashflow.value("alternatives").toArray()) {
        const QJsonObject npv = alternative.toObject().value("npv").toObject();
        for (const char* kind : {"agency", "user", "total"}) {
            QVERIFY2(text.contains(Dollars(npv.value(kind).toDouble())), kind);
        }
    }

    // The break-even rates of the total costs.
    const QJsonObject sensitivity = CliJson(QStringLiteral("sensitivity"), path, folder);
    const QJsonArray changes = sensitivity.value("rates").toObject().value("breakEven").toArray();
    for (const QJsonValue change : changes) {
        if (change.toObject().value("kind").toString() == QStringLiteral("total")) {
            const QString rate =
                QString::number(change.toObject().value("rate").toDouble(), 'f', 4);
            QVERIFY2(text.contains(rate + " %"), qPrintable(rate));
        }
    }

    // The chance of each alternative being the cheapest, or why a
    // deterministic run has no comparison.
    if (deterministic) {
        QVERIFY(text.contains(QStringLiteral("no iterations to compare")));
        return;
    }
    const QJsonObject compare = CliJson(QStringLiteral("compare"), path, folder);
    const QJsonArray chances =
        compare.value("kinds").toObject().value("total").toObject().value("cheapest").toArray();
    QVERIFY(!chances.isEmpty());
    for (const QJsonValue chance : chances) {
        const QString share = Share(100.0 * chance.toObject().value("probability").toDouble());
        QVERIFY2(text.contains(share + "%"), qPrintable(share));
    }
}

void AnalysisDocumentTest::refusalsAndUsageErrorsEndWithTheirStatus() {
    QTemporaryDir folder;
    const QString example = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    QCOMPARE(RunProgram(QStringLiteral(WEXA_APP_PATH), {"--export-document", example}).Code, 2);
    QCOMPARE(RunProgram(QStringLiteral(WEXA_APP_PATH),
                        {"--export-document", example, "-o", pdf, "--risk-percentile", "0"})
                 .Code,
             2);
    const Ended missing = RunProgram(QStringLiteral(WEXA_APP_PATH),
                                     {"--export-document", folder.filePath("none.wxa"), "-o", pdf});
    QCOMPARE(missing.Code, 1);
    QVERIFY(!missing.Err.isEmpty());
    // The project itself is never the target.
    const QString copy = folder.filePath(QStringLiteral("copy.wxa"));
    QVERIFY(QFile::copy(example, copy));
    const QByteArray before = [&] {
        QFile file(copy);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QCOMPARE(
        RunProgram(QStringLiteral(WEXA_APP_PATH), {"--export-document", copy, "-o", copy}).Code, 1);
    QFile after(copy);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QVERIFY(!QFile::exists(pdf));
}

// Before a run there is nothing to export; after it, the dialog writes the
// document where the file dialog says, but never over the project.
void AnalysisDocumentTest::windowExportsTheLastRunOnly() {
    wexa::ui::testing::Window w;
    QAction* exportDocument = w.Frame().findChild<QAction*>(QStringLiteral("actionExportDocument"));
    QVERIFY(exportDocument);
    exportDocument->trigger();
    QCOMPARE(w.Prompts().TakeMessage(QString::fromLatin1(wexa::forms::kExportDocumentCaption)).Text,
             QString::fromLatin1(wexa::forms::kNoResultsToExport));

    const QString project = w.Path(QStringLiteral("rural.wxa"));
    QVERIFY(QFile::copy(QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa"), project));
    w.Prompts().OpenAnswer = project;
    QVERIFY(w.Doc().Open());
    w.View().SetRunSeed(kSeed);
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    QVERIFY(w.Run());

    const QString pdf = w.Path(QStringLiteral("rural.pdf"));
    for (const QString& target : {project, pdf}) {
        w.Prompts().FileAnswer = target;
        bool written = false;
        // The refusal of the project's own file comes at once; the document
        // after the sensitivity study, off the window's thread.
        w.Prompts().OnDialog = [&written, refused = target == project](QDialog& dialog) {
            auto* exporter = qobject_cast<wexa::ui::CDocumentExportDialog*>(&dialog);
            QVERIFY(exporter);
            exporter->RiskPercentile().setValue(80);
            QSignalSpy accepted(exporter, &QDialog::accepted);
            exporter->ExportButton().click();
            written = refused ? !accepted.isEmpty() : accepted.wait(60000);
        };
        exportDocument->trigger();
        QCOMPARE(written, target == pdf);
    }
    QVERIFY(w.Prompts()
                .TakeMessage(QString::fromLatin1(wexa::forms::kExportDocumentCaption))
                .Text.contains(QStringLiteral("it is the project file")));

    // Cancel while the study works stops it and writes nothing; the dialog
    // stays for another try.
    const QString cancelled = w.Path(QStringLiteral("cancelled.pdf"));
    w.Prompts().FileAnswer = cancelled;
    w.Prompts().OnDialog = [](QDialog& dialog) {
        auto& exporter = dynamic_cast<wexa::ui::CDocumentExportDialog&>(dialog);
        exporter.ExportButton().click();
        exporter.CancelButton().click();
        QTRY_VERIFY(exporter.ExportButton().isEnabled());
        QCOMPARE(exporter.result(), 0);
        dialog.reject();
    };
    exportDocument->trigger();
    QVERIFY(!QFile::exists(cancelled));
    const QString text = QString::fromUtf8(RunProgram(QStringLiteral("pdftotext"), {pdf, "-"}).Out);
    QVERIFY(text.contains(QStringLiteral("rural.wxa")));
    QVERIFY(text.contains(QStringLiteral("at the 80th percentile")));
    QFile kept(project);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(!kept.readAll().startsWith("%PDF"));
}

QTEST_MAIN(AnalysisDocumentTest)
#include "AnalysisDocumentTest.moc"
