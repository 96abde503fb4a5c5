#include "fuzz/ModelRoundTrip.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "vocabulary/SettingsValues.h"
#include "support/TestEnvironment.h"

#include <random>

namespace {

class ModelRoundTripTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        InitScintillaAndCharTables();
        GetOptions();
        GetEditOptions();
        trip = std::make_unique<ModelRoundTrip>(home());
    }
    void TearDown() override {
        trip.reset();
        KorvoTest::TearDown();
    }

    // Types the lines one below the other from `at`; they are taken back from the bottom.
    void expectRoundTrip(const QByteArray& document, int at, const QList<QByteArray>& lines) {
        RoundTripScenario scenario{document, {}};
        for (const QByteArray& line : lines)
            scenario.steps.push_back({true, at++, line});
        EXPECT_EQ(trip->run(scenario), "");
        EXPECT_EQ(readAll(homeFile(QStringLiteral("error.log"))), "");
    }

    std::unique_ptr<ModelRoundTrip> trip;
};

}

TEST_F(ModelRoundTripTest, ALocalBeforeAFunctionHeaderOnItsLine) {
    expectRoundTrip("Function g()\r\nLocal y\r\nEnd Function\r\n", 1, {"Local a : Function f()"});
}

TEST_F(ModelRoundTripTest, AFieldBeforeATypeHeaderOnItsLine) {
    expectRoundTrip("Type Ship\r\nField x#\r\nEnd Type\r\n", 1, {"Field a : Type T"});
}

TEST_F(ModelRoundTripTest, FunctionHeadersAfterAnUntypedToken) {
    expectRoundTrip("Local keep = 1\r\n", 0, {"Function a", "Function?a Function b", "Function c"});
}

TEST_F(ModelRoundTripTest, FixedSeedsOfTheFuzzer) {
    std::mt19937 random(25);
    for (int seed = 0; seed < 300; ++seed) {
        std::vector<std::uint8_t> bytes(10 + random() % 200);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        const std::string difference = trip->run(ScenarioFromBytes(bytes.data(), bytes.size()));
        ASSERT_EQ(difference, "") << "seed " << seed;
    }
}

TEST_F(ModelRoundTripTest, ALocalNamedAsAParameterOfTheHeaderBeforeOnItsLine) {
    expectRoundTrip("", 0, {"Local b:Function x%(a, b$) Function T.T(p)"});
}

TEST_F(ModelRoundTripTest, ALocalAfterTheEndOnALineThatOpensAFunctionStaysInTheMainProgram) {
    expectRoundTrip("Function a()\r\nFunction b()\tEnd Function Local f[3]\r\nEnd Function\r\n", 1, {"End Function"});
    expectRoundTrip("Global keep\r\nFunction b() End Function Local f\r\n", 1, {"Function c()"});
    expectRoundTrip("Type S\r\nType T End Type Field f\r\nEnd Type\r\n", 1, {"End Type"});
}

TEST_F(ModelRoundTripTest, DeclarationsAfterAnEndOnItsLineAndBelowItStandOutsideTheClosedScope) {
    expectRoundTrip("Function x%(a, b$)\r\nFunction\r\nFunction\r\nend function:local g = 1\r\nlocal g = 1\r\n;[End\r\n", 2,
                    {"end function"});
    expectRoundTrip("; note\r\nType T\r\nType Ship\r\nEnd Select\r\nFunction?T\r\nNext\r\nEnd Type Field x.T\r\nField x.T\r\ni\r\n",
                    5, {"END TYPE"});
}

TEST_F(ModelRoundTripTest, ADeclarationAfterAnEndThatFollowsAStatementOnItsLineStaysOutsideWhenAnEndAboveGoes) {
    expectRoundTrip("Function f()\r\nReturn b End Function local b = 1\r\n", 1, {"End Function"});
    expectRoundTrip("Type S\r\nFor i = 1 To 2 :END TYPE:Field T\r\n", 1, {"End Type"});
    expectRoundTrip("Function g()\r\nEnd Type\tend function local x = 1\r\n", 1, {"end function"});
}

TEST_F(ModelRoundTripTest, ADeclarationBeforeAnEndThatFollowsAStatementOnItsLineJoinsTheScopeAbove) {
    expectRoundTrip("Function f()\r\nx = 1 : Local a : End Function : Local b\r\n", 1, {"End Function"});
    expectRoundTrip("Type S\r\nx = 1 : Field a : End Type : Field b\r\n", 1, {"End Type"});
    expectRoundTrip("Local a : Function h() : Local b\r\n", 0, {"Function f()", "End Function"});
}

TEST_F(ModelRoundTripTest, AFunctionWordInAnInitialiserAfterAnEndFunctionNamesAFunctionTypedBelow) {
    expectRoundTrip("End Function : Local s = 1 Function a()\r\nLocal k\r\n", 1, {"Function a()"});
    expectRoundTrip("Type S : Field s = 1 End Type\r\nField k\r\n", 1, {"End Type"});
}
