// The failure trap of the procedures with a context label: the error box with the label alone
// or followed by the failure's description, a label evaluated only when a failure is shown, and
// what the procedure did before the failure kept.
#include <gtest/gtest.h>

#include <string>

#include "frame/failures.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

TEST(FailureTrap, ShowsLabelAloneOrWithDescriptionAndKeepsWhatWasDone) {
    Host host;
    int done = 0;
    EXPECT_FALSE(Trap(host, kTitleCtrl, Prompt::Label, "Calcul des passes", [&] {
        done = 1;
        fail::divisionByZero();
    }));
    EXPECT_EQ(done, 1);
    EXPECT_EQ(test::LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(test::LastMessage(host).prompt, "Calcul des passes");

    int progress = 0;
    EXPECT_FALSE(Trap(
        host, kTitleCtrl, Prompt::LabelAndDescription,
        [&] { return "Sélection d'un trou : erreur=" + std::to_string(progress); },
        [&] {
            progress = 2;
            fail::subscriptOutOfRange();
        }));
    EXPECT_EQ(test::LastMessage(host).prompt,
              "Sélection d'un trou : erreur=2\r\nL'indice n'appartient pas à la sélection");

    int evaluated = 0;
    EXPECT_TRUE(Trap(
        host, kTitleCN, Prompt::Label,
        [&] {
            ++evaluated;
            return std::string("x");
        },
        [] {}));
    EXPECT_EQ(evaluated, 0);
    EXPECT_EQ(host.messages().size(), 2u);
}

}  // namespace
}  // namespace oru
