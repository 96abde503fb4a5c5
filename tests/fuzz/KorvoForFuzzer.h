#pragma once

#include <QString>

#include <string>

// Starts Korvo once for a fuzz target: offscreen, questions taking their
// default answer, in a scratch program folder whose path it returns.
const QString& StartKorvoForFuzzer(const char* programName);

// A difference found is printed and aborts, so libFuzzer keeps the input.
void AbortOnDifference(const std::string& difference);
