// halvane-report as a program: a recorded processor end to end, and what it does with bad input.
#include <gtest/gtest.h>

#ifdef HALVANE_REPORT_BIN

#include <unistd.h>

#include <QDate>
#include <QJsonDocument>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/game_info.h"
#include "platform/system_facts.h"
#include "report/json_report.h"
#include "support/dump_fixture.h"
#include "ui/system_lines.h"

namespace {

struct ReportRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

ReportRun RunReport(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", "C");
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.start(HALVANE_REPORT_BIN, arguments);
  if (!process.waitForFinished(120000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

QStringList RecordedP4(QStringList first = {}) {
  return first << "--cpuid-dump"
               << QString::fromStdString(TestDataPath("intel/pentium-4-1.60-northwood.txt"))
               << "--clock-mhz"
               << "1700";
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Caption(const std::string& json, const std::string& control) {
  QRegularExpression line(QString("^    \"%1\": \\{\"kind\": \"label\", \"caption\": \"([^\"]*)\"")
                              .arg(QString::fromStdString(control)),
                          QRegularExpression::MultilineOption);
  QRegularExpressionMatch match = line.match(QString::fromStdString(json));
  return match.hasMatch() ? match.captured(1).toStdString() : "(missing)";
}

// The date, the memory and the system's name differ from machine to machine
// and from run to run: checked against this machine's facts, then masked.
std::string MaskMachineFacts(std::string json) {
  for (const char* control : {"Label185", "Label188", "Label189", "Label192"}) {
    QRegularExpression caption(
        QString("^(    \"%1\": \\{\"kind\": \"label\", \"caption\": )\"[^\"]*\"").arg(control),
        QRegularExpression::MultilineOption);
    json = QString::fromStdString(json).replace(caption, "\\1\"(machine)\"").toStdString();
  }
  return json;
}

TEST(ReportProgram, JsonOfARecordedPentium4MatchesTheExpectedDocument) {
  QString day_before = QLocale::c().toString(QDate::currentDate(), QLocale::ShortFormat);
  ReportRun run = RunReport(RecordedP4({"--json"}));
  QString day_after = QLocale::c().toString(QDate::currentDate(), QLocale::ShortFormat);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).isNull());

  std::string date = Caption(run.out, "Label185");
  EXPECT_TRUE(date == day_before.toStdString() || date == day_after.toStdString()) << date;
  EXPECT_EQ(Caption(run.out, "Label188"), MemoryLineText(ReadMemoryFigures().total_bytes));
  EXPECT_TRUE(QRegularExpression("^[0-9]+ mb$")
                  .match(QString::fromStdString(Caption(run.out, "Label189")))
                  .hasMatch());
  std::optional<KernelFacts> kernel = ReadKernelFacts();
  ASSERT_TRUE(kernel);
  EXPECT_EQ(Caption(run.out, "Label192"),
            Latin1ToUtf8(OperatingSystemLineText(FromSystemText(ReadOsReleaseValue("PRETTY_NAME")),
                                                 kernel->release)));

  EXPECT_EQ(MaskMachineFacts(run.out),
            ReadFile(TestDataPath("../report/expected/pentium-4-1.60-northwood.json")));
}

TEST(ReportProgram, TextPairsCaptionsWithValuesInUtf8) {
  ReportRun run = RunReport(RecordedP4());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  for (const char* row : {"Summary\n  Instruction set:  X86-(IA32)\n", "  Porcessor:  Pentium 4a\n",
                          "  Tech:  0.13\xC2\xB5\n", "  L1 code cache:  12 K\xC2\xB5OP\n",
                          "  Sysclock:  106.25 Mhz\n", "  SSE3 (disabled)\n",
                          "\nProcessor detail\n  Generic Detail:  "}) {
    EXPECT_NE(run.out.find(row), std::string::npos) << row;
  }
}

TEST(ReportProgram, BadInputExitsWithTwoAndPrintsNothing) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("halvane-report-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "malformed.txt") << "------[ Logical CPU #0 ]------\nno register lines\n";
  const QStringList cases[] = {
      {"--clock-mhz", "0"},
      {"--clock-mhz", "-5"},
      {"--clock-mhz", "abc"},
      {"--json", "--clock-mhz"},
      {"--bogus"},
      {"--cpuid-dump", QString::fromStdString((dir / "absent.txt").string())},
      {"--cpuid-dump", QString::fromStdString((dir / "malformed.txt").string())},
      {"--cpuid-dump", QString::fromStdString(dir.string())},
  };
  for (const QStringList& arguments : cases) {
    ReportRun run = RunReport(arguments);
    EXPECT_EQ(run.exit_code, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("halvane-report: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  fs::remove_all(dir);

  ReportRun help = RunReport({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.rfind("Usage: halvane-report", 0), 0u) << help.out;
}

}  // namespace

#endif
