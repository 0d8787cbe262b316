// The binding rule every settings page follows, on a page of its own whose
// table binds real settings, so that its spin edits meet their keys' ranges.
#include "setup_fixture.h"

namespace {

using setup::Binding;
namespace bind = setup::bind;

enum : int { BoxId = 1, NoBoxId, RateId, OffsetId, EditId, GroupId, ListId };
constexpr int32_t Items[] = {1, 2, 0};
constexpr Binding Table[] = {
    bind::Check(BoxId, &TGVar::LogRI),
    bind::CheckOff(NoBoxId, &TGVar::ShowLogoAtStartup),
    // The key keeps the rate within 0 to 10000.
    bind::Redrawing(bind::Spin(RateId, &TGVar::ThroghputUpdateSpeed, 1, 20000), setup::Repaint),
    bind::Spin(OffsetId, &TGVar::TitleBarOffset, -1000, 1000),
    bind::Text(EditId, &TGVar::EditorName),
    bind::Radio(GroupId, &TGVar::Title, Items),
    bind::List(ListId, &TGVar::Throughput, Items),
};

// Notes each handler that runs.
class BoundPage final : public setup::PageModel {
public:
    explicit BoundPage(setup::SetupContext& ctx) : PageModel(ctx, Table) {}
    std::vector<int> Handled;

protected:
    bool OnClicked(int id) override { return Note(id); }
    bool OnChanged(int id) override { return Note(id); }

private:
    bool Note(int id)
    {
        Handled.push_back(id);
        return true;
    }
};

class BindingTest : public SetupTest, public setup::ControlEvents {
protected:
    BindingTest() { view.Attach(this); }
    void Clicked(int id) override { page.Clicked(id); }
    void Changed(int id) override { page.Changed(id); }

    // Every control reports a click, as a loading's click or a click on the
    // item shown does, and with edits a change that leaves its text or value
    // as shown: nothing is stored, no handler runs.
    void ExpectNoTake(bool edits)
    {
        const auto before = setupfake::Record(g);
        for (const Binding& binding : Table) {
            page.Clicked(binding.Id);
            if (edits)
                page.Changed(binding.Id);
        }
        EXPECT_EQ(setupfake::Changes(before, g), "");
        EXPECT_TRUE(page.Handled.empty());
        EXPECT_EQ(TakeRequests(), 0u);
    }

    BoundPage page{ctx};
};

TEST_F(BindingTest, FillThenTakeRoundTripsAndTheUserStores)
{
    g.LogRI = 1, g.ShowLogoAtStartup = 1, g.ThroghputUpdateSpeed = 25, g.TitleBarOffset = -7;
    g.EditorName = "ED.EXE", g.Title = 2, g.Throughput = 0;
    page.Fill();
    ExpectNoTake(true);

    // What the user does to each control, what it stores, and the handler
    // and redraw requests that follow.
    const std::tuple<int, std::function<void()>, const char*, unsigned> actions[] = {
        {BoxId, [&] { view.SetCheck(BoxId, false); }, "Log RI=0", 0},
        {NoBoxId, [&] { view.SetCheck(NoBoxId, true); }, "Show Logo at Startup=0", 0},
        {RateId, [&] { view.SetSpin(RateId, 40000); }, "ThroghputUpdateSpeed=10000", setup::Repaint},
        {OffsetId, [&] { view.SetSpin(OffsetId, 12); }, "TitleBar Offset=12", 0},
        {EditId, [&] { view.C[EditId].Text = "X.EXE"; }, "EditorName=X.EXE", 0},
        {GroupId, [&] { view.C[GroupId].Radio = 2; }, "Title=0", 0},
        {ListId, [&] { view.C[ListId].Selection = 1; }, "Throughput=2", 0},
    };
    for (const auto& [id, act, changes, redraw] : actions) {
        const auto before = setupfake::Record(g);
        page.Handled.clear();
        act();
        page.Clicked(id);
        page.Changed(id);
        EXPECT_EQ(setupfake::Changes(before, g), changes) << id;
        EXPECT_EQ(page.Handled, std::vector<int>{id});
        EXPECT_EQ(TakeRequests(), redraw) << id;
    }
}

// Values outside a control's range, or that no item stands for, show as
// the nearest bound or as no item and stay stored until the user edits or
// chooses.
// A check box holding 2 (a flag that is off) shows unchecked, its "No ..."
// box checked, and a loading that clears the box keeps the 2.
TEST_F(BindingTest, StoredValuesNoControlShowsStayUntilEdited)
{
    g.LogRI = 1;
    page.Fill();
    g.LogRI = 2, g.ShowLogoAtStartup = 2, g.ThroghputUpdateSpeed = 0, g.TitleBarOffset = -5000;
    g.Title = 7, g.Throughput = 9;
    const auto stored = setupfake::Record(g);
    page.Fill();
    EXPECT_EQ(setupfake::Changes(stored, g), "");
    EXPECT_TRUE(page.Handled.empty());
    EXPECT_FALSE(view.C[BoxId].Checked);
    EXPECT_TRUE(view.C[NoBoxId].Checked);
    EXPECT_EQ(view.C[RateId].Low, 1);
    EXPECT_EQ(view.C[RateId].High, 10000) << "the key's range narrows the control's";
    EXPECT_EQ(view.C[RateId].Spin, 1);
    EXPECT_EQ(view.C[OffsetId].Spin, -1000);
    EXPECT_EQ(view.C[GroupId].Radio, -1);
    EXPECT_EQ(view.C[ListId].Selection, -1);
    ExpectNoTake(false);
    page.Changed(RateId);
    EXPECT_EQ(g.ThroghputUpdateSpeed, 1u) << "an edit stores what the spin edit shows";

    view.SetCheck(BoxId, true);
    EXPECT_EQ(g.LogRI, 1);
    view.SetCheck(BoxId, false);
    EXPECT_EQ(g.LogRI, 0);
}

} // namespace
