// The real program started offscreen in a temporary home: it runs, ends cleanly and leaves
// its settings file.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

TEST(Program, StartsRunsAndLeavesItsSettingsFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(MAROVEK_PROGRAM),
                  {QStringLiteral("--quit-after"), QStringLiteral("1000")});
    ASSERT_TRUE(program.waitForStarted(30000));
    ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QFileInfo settings(home.path() + QStringLiteral("/data/Marovek/Mrvek55Settings.dat"));
    ASSERT_TRUE(settings.exists());
    EXPECT_EQ(settings.size(), 752);
}

}  // namespace
