#include "support/TestEnvironment.h"

#include "shell/CoreStartUp.h"

#include <QDir>
#include <QFile>

void KorvoTest::SetUp() {
    currentFolder_ = QDir::currentPath();
    ASSERT_TRUE(homeDir_.isValid());
    ASSERT_TRUE(configDir_.isValid());
    qputenv("KORVO_HOME", homeDir_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", configDir_.path().toUtf8());
    platform::setPromptHandler([this](const platform::PromptRequest& request) {
        prompts.append(request);
        return script_.isEmpty() ? platform::defaultAnswer(request) : script_.takeFirst();
    });
    StartCore();
    ResetSession();
}

void KorvoTest::TearDown() {
    ResetSession();
    platform::setPromptHandler({});
    QDir::setCurrent(currentFolder_);
}

void KorvoTest::scriptButton(int button) {
    platform::PromptAnswer answer;
    answer.button = button;
    answer.accepted = button != platform::vbCancel;
    script_.append(answer);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}
