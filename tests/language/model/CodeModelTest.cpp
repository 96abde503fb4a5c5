#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"

#include <gtest/gtest.h>

TEST(CodeModel, StartsWithTheMainProgramWhoseLocalsAreCurrent) {
    CodeModel project;
    EXPECT_EQ(project.Funkcii.Count(), 1);
    EXPECT_TRUE(project.FunctionsDirty);
    EXPECT_FALSE(project.GlobalsDirty);
    auto mainProgram = std::dynamic_pointer_cast<ClsFunkcija>(project.Funkcii.ItemHash(kMainProgram));
    ASSERT_TRUE(mainProgram);
    EXPECT_EQ(mainProgram->Locals, project.MainFunLocals);
    EXPECT_EQ(gCurrentLocals, project.MainFunLocals);
    EXPECT_TRUE(project.MainFunLocals->IgnoreCase());
}

TEST(CodeModel, ShowsANameWithTheSuffixOfItsType) {
    InitScintillaAndCharTables();
    ClsGlobalVar player;
    player.Ime = QStringLiteral("p");
    player.Tip = TipCustom;
    player.Tajp = QStringLiteral("Player");
    EXPECT_EQ(DeclarationDisplayName(player), "p.Player");
    player.Tip = TipString;
    EXPECT_EQ(DeclarationDisplayName(player), "p$");
    player.Tip = TipNone;
    EXPECT_EQ(DeclarationDisplayName(player), "p");
}

TEST(DeclarationKinds, RowsStandAtTheirIdsAndListKeywordsMatchAsSpelled) {
    for (size_t i = 0; i < kDeclarationKinds.size(); ++i)
        EXPECT_EQ(static_cast<size_t>(kDeclarationKinds[i].id), i);
    const DeclarationKind* dim = FindDeclarationList("Dim");
    ASSERT_TRUE(dim);
    EXPECT_EQ(dim->id, DeclarationKindId::Array);
    EXPECT_EQ(dim->table, &CodeModel::Arrays);
    EXPECT_EQ(FindDeclarationList("DIM"), nullptr);
    EXPECT_EQ(FindDeclarationList("Function"), nullptr);
    EXPECT_EQ(FindDeclarationList("Include"), nullptr);
    EXPECT_EQ(declarationKind(DeclarationKindId::Local).marker, MARKER_LOCAL);
    EXPECT_TRUE(std::dynamic_pointer_cast<ClsLocalVar>(declarationKind(DeclarationKindId::Local).newRecord()));
}
