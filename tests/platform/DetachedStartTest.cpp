#include "platform/DetachedStart.h"

#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DetachedStart, TheProgramGetsItsArgumentsAndVariables) {
    QTemporaryDir folder;
    const QString written = folder.path() + QStringLiteral("/written");
    platform::ChildProcess command{QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo \"$1 $KORVO_DETACHED\" > \"$0\""), written}, {}};
    command.arguments.append(QStringLiteral("two words"));
    command.variables.insert(QStringLiteral("KORVO_DETACHED"), QStringLiteral("set"));
    ASSERT_TRUE(platform::startDetached(command));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(written).size() > 0; }));
    EXPECT_EQ(readAll(written), QByteArray("two words set\n"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("KORVO_DETACHED"));

    QList<platform::ChildProcess> recorded;
    platform::setDetachedStartHandler([&](const platform::ChildProcess& start) {
        recorded.append(start);
        return true;
    });
    EXPECT_TRUE(platform::startDetached(command));
    platform::setDetachedStartHandler({});
    ASSERT_EQ(recorded.size(), 1);
    EXPECT_EQ(recorded[0].arguments, command.arguments);
    EXPECT_FALSE(platform::startDetached({QStringLiteral("/no/such/program"), {}, {}}));
}
