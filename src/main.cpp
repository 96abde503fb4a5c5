#include "shell/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    // Qt has taken its own options out of argv; the rest are Korvo's, as bytes.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return Main(app, arguments);
}
