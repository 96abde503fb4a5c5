#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/Compiler.h"
#include "language/lexer/Lexer.h"
#include "language/model/DeclarationParsing.h"
#include "vocabulary/StyleNumbers.h"

namespace {

class DeclarationParsing : public EditorTest {
protected:
    // Opens a one-line document and tokenizes its line; i is set on the
    // first token with the text `name`.
    void open(const QByteArray& line, const QString& name) {
        doc = openDocument(line);
        text = QString::fromLatin1(SciGetLineText(0));
        count = TokenizeLine(SciGetLineText(0));
        i = 0;
        for (int k = count; k >= 1; --k)
            if (gTokens[k].Text() == name && gTokens[k].Kind == tkIdent)
                i = k;
        ASSERT_GT(i, 0) << name.toStdString();
    }

    // The style of the first character of token k.
    long styleOf(int k) const { return SciGetStyleAt(lineBase + gTokens[k].StartPos); }

    int firstTokenOfKind(unsigned char kind, int from = 1) const {
        for (int k = from; k <= count; ++k)
            if (gTokens[k].Kind == kind)
                return k;
        return 0;
    }

    std::unique_ptr<frmDoc> doc;
    QString text;
    int count = 0;
    int i = 0;
    const int lineBase = -1;
};

std::shared_ptr<ClsLocalVar> local(const ClsFunkcija& function, const char* name) {
    return std::dynamic_pointer_cast<ClsLocalVar>(function.Locals->ItemHash(QString::fromLatin1(name)));
}

}

TEST_F(DeclarationParsing, AHeaderWithoutBracketsHasNoParameters) {
    open("Function F", "F");
    ClsFunkcija function;
    EXPECT_EQ(BuildFunction(function, i, count, lineBase, text), 0);
    EXPECT_EQ(function.Tip, TipInteger);
    EXPECT_EQ(function.VlezNum, 0);
    EXPECT_EQ(function.Locals->Count(), 0);
}

TEST_F(DeclarationParsing, ParametersBecomeLocalsOnTheFunctionsMarker) {
    open("Function F#(x, y.Vec, z$[4])", "F");
    ClsFunkcija function;
    function.Handle = static_cast<int>(SciMarkerAdd(0, 0));
    const int open = firstTokenOfKind('(');
    EXPECT_EQ(BuildFunction(function, i, count, lineBase, text), gTokens[open].StartPos + 1);
    EXPECT_EQ(function.Tip, TipFloat);
    EXPECT_EQ(function.VlezNum, 3);

    const auto x = local(function, "x");
    const auto y = local(function, "y");
    const auto z = local(function, "z");
    ASSERT_TRUE(x && y && z);
    EXPECT_EQ(x->Tip, TipInteger);
    EXPECT_EQ(y->Tip, TipCustom);
    EXPECT_EQ(y->Tajp, "Vec");
    EXPECT_EQ(z->Tip, TipString);
    EXPECT_TRUE(z->IsBBArray);
    EXPECT_EQ(z->ArraySize(), "[4]");
    for (const auto& parameter : {x, y, z}) {
        EXPECT_EQ(parameter->Handle, function.Handle);
        EXPECT_EQ(parameter->File, "test.bb");
        EXPECT_EQ(parameter->SciWndData, gSciWndData);
    }
    const int firstComma = firstTokenOfKind(',');
    EXPECT_EQ(styleOf(firstComma), STYLE_Separator);
    EXPECT_EQ(styleOf(firstTokenOfKind(',', firstComma + 1)), STYLE_Separator);
    EXPECT_EQ(gTokens[i].Kind, ')');
}

TEST_F(DeclarationParsing, ACustomResultTypeAndOddParameterLists) {
    open("Function F.Vec()", "F");
    ClsFunkcija custom;
    EXPECT_EQ(BuildFunction(custom, i, count, lineBase, text), 16);
    EXPECT_EQ(custom.Tip, TipCustom);
    EXPECT_EQ(custom.Tajp, "Vec");
    EXPECT_EQ(custom.VlezNum, 0);

    open("Function F(a = 1, b)", "F");
    ClsFunkcija initialised;
    BuildFunction(initialised, i, count, lineBase, text);
    EXPECT_EQ(initialised.VlezNum, 2);
    EXPECT_TRUE(local(initialised, "b"));
    EXPECT_EQ(styleOf(firstTokenOfKind('=')), STYLE_Operator);
    EXPECT_EQ(styleOf(firstTokenOfKind(tkNumber)), STYLE_Number);

    open("Function F(a, )", "F");
    ClsFunkcija trailing;
    BuildFunction(trailing, i, count, lineBase, text);
    EXPECT_EQ(trailing.VlezNum, 1);
    EXPECT_EQ(styleOf(firstTokenOfKind(',')), STYLE_Separator);
    EXPECT_EQ(gTokens[i].Kind, ',');

    open("Function F.(a)", "F");
    ClsFunkcija dotted;
    dotted.Tip = TipString;
    EXPECT_EQ(BuildFunction(dotted, i, count, lineBase, text), 0);
    EXPECT_EQ(dotted.Tip, TipString);
}

TEST_F(DeclarationParsing, VariablesAndArraysReadAsFarAsTheyGo) {
    QString typeName;
    int bracket = 0;
    bool hasBrackets = true;

    open("Local x.", "x");
    EXPECT_EQ(GetVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase), TipNone);
    EXPECT_FALSE(hasBrackets);

    open("Global g[3", "g");
    EXPECT_EQ(GetVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase), TipInteger);
    EXPECT_FALSE(hasBrackets);
    EXPECT_EQ(gTokens[i].Text(), "3");

    open("Field pos.Vec[2], n", "pos");
    EXPECT_EQ(GetVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase), TipCustom);
    EXPECT_EQ(typeName, "Vec");
    EXPECT_TRUE(hasBrackets);
    EXPECT_EQ(gTokens[bracket].Kind, '[');
    EXPECT_EQ(gTokens[i].Kind, ',');

    open("Dim m#(10, 20) : x", "m");
    EXPECT_EQ(GetArrayVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase), TipFloat);
    EXPECT_TRUE(hasBrackets);
    EXPECT_EQ(gTokens[bracket].Kind, '(');
    EXPECT_EQ(gTokens[i].Kind, ':');
    EXPECT_EQ(styleOf(firstTokenOfKind(tkNumber)), STYLE_Number);

    open("Dim m(10", "m");
    GetArrayVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase);
    EXPECT_TRUE(hasBrackets);
}

TEST_F(DeclarationParsing, InitialisersColourKeywordsInTheirOwnSpelling) {
    ClsCompiler compiler;
    auto abs = std::make_shared<ClsBBFunkcija>();
    abs->Ime = QStringLiteral("Abs");
    compiler.bbFunkcija('A', abs);
    compiler.KeywordsLoaded = true;
    compiler.SetDefaultKeywords();

    open("Global a = abs(-1), b", "a");
    QString typeName;
    int bracket = 0;
    bool hasBrackets = false;
    GetVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase);
    EXPECT_EQ(gTokens[i].Kind, ',');
    EXPECT_EQ(SciGetLineText(0), "Global a = Abs(-1), b");
    EXPECT_EQ(SciGetStyleAt(11), STYLE_Keyword);
    EXPECT_EQ(SciGetStyleAt(14), STYLE_Separator);
    EXPECT_EQ(SciGetStyleAt(15), STYLE_Operator);
    gKeywords = KeywordSet();
}

TEST_F(DeclarationParsing, SkippingWalksADeclarationListInStepWithReading) {
    open("Local a% = f(1, 2), b", "a");
    SkipVarDeclaration(i, count);
    EXPECT_EQ(gTokens[i].Kind, ',');
    EXPECT_EQ(gTokens[i - 1].Kind, ')');

    const QByteArray list = "Global a = (1, 2), b.T[3], c$";
    QStringList read, skipped;
    open(list, "a");
    QString typeName;
    int bracket = 0;
    bool hasBrackets = false;
    while (true) {
        read << gTokens[i].Text();
        GetVarTipColor(i, typeName, bracket, hasBrackets, count, lineBase);
        if (gTokens[i].Kind != ',')
            break;
        ++i;
    }
    open(list, "a");
    while (true) {
        skipped << gTokens[i].Text();
        SkipVarDeclaration(i, count);
        if (gTokens[i].Kind != ',')
            break;
        ++i;
    }
    EXPECT_EQ(read, QStringList({"a", "b", "c"}));
    EXPECT_EQ(skipped, read);

    open("Dim grid(4, 4), n", "grid");
    SkipArrayDeclaration(i, count);
    EXPECT_EQ(gTokens[i].Kind, ',');
}
