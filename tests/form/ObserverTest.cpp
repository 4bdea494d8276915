#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/Captions.h"
#include "state/Lists.h"

namespace torva {
namespace {

// Records what the state parts tell their view.
struct Recorder : MainObserver {
    std::vector<std::string> heard;
    void listAppended(ListId) override { heard.push_back("appended"); }
    void listRemoved(ListId, int index) override {
        heard.push_back("removed " + std::to_string(index));
    }
    void listReset(ListId) override { heard.push_back("reset"); }
    void listLookChanged(ListId) override { heard.push_back("look"); }
    void captionChanged(Caption) override { heard.push_back("caption"); }
};

TEST(Observer, ListsSayWhatChangedAndCaptionsOnlyANewText) {
    Recorder view;
    Lists lists;
    Captions captions;
    lists.setObserver(&view);
    captions.setObserver(&view);

    lists.set(ListId::Enviados, {"a", "b", "c"});
    lists.add(ListId::Enviados, "d");
    lists.select(ListId::Enviados, 3);
    EXPECT_TRUE(lists.remove(ListId::Enviados, "b"));
    EXPECT_EQ(lists.selected(ListId::Enviados), 2);  // still "d"
    EXPECT_FALSE(lists.remove(ListId::Enviados, "x"));
    lists.clear(ListId::Enviados);
    captions.set(Caption::Evento, "Enviando m1234001.343");
    captions.set(Caption::Evento, "Enviando m1234001.343");
    captions.set(Caption::Evento, "Listo");

    EXPECT_EQ(view.heard, (std::vector<std::string>{"reset", "appended", "look", "removed 1",
                                                    "reset", "caption", "caption"}));
}

}  // namespace
}  // namespace torva
