#include "files/DocumentFilesFixture.h"

#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "language/keywords/KeywordFiles.h"
#include "support/SessionGlobals.h"

void DocumentFilesTest::SetUp() {
    KorvoTest::SetUp();
    for (const char* name : {"Blitz", "BlitzCC"}) {
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = QString::fromLatin1(name);
        compiler->LoadKeywordsFromText(keywordFileText({"Print"}, 0));
        gCompilers.Add(compiler, compiler->Name);
    }
    DefaultCompiler = QStringLiteral("Blitz");
    gNewFileCounter = 0;
}

void DocumentFilesTest::TearDown() {
    while (!host.windows.isEmpty())
        close(qobject_cast<frmDoc*>(host.windows.first().form));
    ForgetSessionGlobals();
    KorvoTest::TearDown();
}

frmDoc* DocumentFilesTest::open(const QString& name, const QByteArray& bytes) {
    writeAll(homeFile(name), bytes);
    return OpenFile(homeFile(name)) ? gActiveDoc.data() : nullptr;
}

void DocumentFilesTest::close(frmDoc* doc) {
    for (qsizetype i = 0; i < host.windows.size(); ++i)
        if (host.windows[i].form == doc)
            host.windows.removeAt(i--);
    UnloadDocument(doc);
}

QStringList DocumentFilesTest::captions() const {
    QStringList out;
    for (const FakeHost::Window& window : host.windows)
        out << window.caption;
    return out;
}
