#pragma once

#include "platform/Prompt.h"

#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh program folder (KORVO_HOME) and settings folder (XDG_CONFIG_HOME)
// for each test, the core started on them on a fresh session, and a prompt seam that records every prompt and answers
// from a script (the default answer once the script runs out). The current folder is restored afterwards.
class KorvoTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString home() const { return homeDir_.path(); }
    QString configHome() const { return configDir_.path(); }
    QString homeFile(const QString& name) const { return home() + QLatin1Char('/') + name; }

    void scriptAnswer(const platform::PromptAnswer& answer) { script_.append(answer); }
    void scriptButton(int button);

    QList<platform::PromptRequest> prompts;

private:
    QString currentFolder_;
    QTemporaryDir homeDir_;
    QTemporaryDir configDir_;
    QList<platform::PromptAnswer> script_;
};

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);
