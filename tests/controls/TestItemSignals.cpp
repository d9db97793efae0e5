#include "controls/ItemWindow.h"

#include <QDataWidgetMapper>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <functional>
#include <string>
#include <vector>

namespace orv {
namespace {

using ItemSignals = ItemWindow;

std::vector<int> Ints(const QSignalSpy& spy)
{
    std::vector<int> values;
    for (const QList<QVariant>& args : spy)
        values.push_back(args.value(0).toInt());
    return values;
}

TEST_F(ItemSignals, CheckBoxValueSignalsFollowEveryChangeOnce)
{
    const struct {
        const char* name;
        TCheckBoxState from;
        std::function<void(TOrvCheckBox&)> act;
        std::vector<int> states, checked, nulls;
    } cases[] = {
        {"code checks", cbUnchecked, [](TOrvCheckBox& b) { b.SetChecked(true); }, {cbChecked}, {1}, {}},
        {"code makes null", cbChecked, [](TOrvCheckBox& b) { b.SetNull(true); }, {cbGrayed}, {0}, {1}},
        {"unchanged", cbChecked, [](TOrvCheckBox& b) { b.SetState(cbChecked); }, {}, {}, {}},
        {"Space on null", cbGrayed, [](TOrvCheckBox& b) { QTest::keyClick(&b, Qt::Key_Space); }, {cbChecked}, {1},
         {0}},
        {"click", cbChecked, [](TOrvCheckBox& b) { QTest::mouseClick(&b, Qt::LeftButton); }, {cbUnchecked}, {0}, {}},
        {"Ctrl+N", cbUnchecked, [](TOrvCheckBox& b) { QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier); },
         {cbGrayed}, {}, {1}},
        {"Space then Esc", cbUnchecked,
         [](TOrvCheckBox& b) {
             QTest::keyClick(&b, Qt::Key_Space);
             QTest::keyClick(&b, Qt::Key_Escape);
         },
         {cbChecked, cbUnchecked}, {1, 0}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        box->SetState(c.from);
        Focus(box);
        QSignalSpy states(box, &TOrvCheckBox::stateChanged);
        QSignalSpy checked(box, &TOrvCheckBox::checkedChanged);
        QSignalSpy nulls(box, &TOrvCheckBox::nullChanged);
        c.act(*box);
        EXPECT_EQ(Ints(states), c.states);
        EXPECT_EQ(Ints(checked), c.checked);
        EXPECT_EQ(Ints(nulls), c.nulls);
        Focus(before);
    }
}

TEST_F(ItemSignals, EachSignalComesRightAfterItsEvent)
{
    std::vector<std::string> log;
    box->OnClick = [&](QObject*) { log.push_back("OnClick"); };
    box->OnStateChange = [&](QObject*) { log.push_back("OnStateChange"); };
    QObject::connect(box, &TOrvCheckBox::clicked, [&] { log.push_back("clicked"); });
    QObject::connect(box, &TOrvCheckBox::changed, [&] { log.push_back("changed"); });
    QObject::connect(box, &TOrvCheckBox::stateChanged, [&] { log.push_back("stateChanged"); });
    box->SetChecked(true);
    EXPECT_EQ(log, (std::vector<std::string>{"OnClick", "clicked", "OnStateChange", "changed", "stateChanged"}));

    log.clear();
    radioGroup->OnStateChange = [&](QObject*) { log.push_back("OnStateChange"); };
    radioGroup->OnClick = [&](QObject*) { log.push_back("OnClick"); };
    QObject::connect(radioGroup, &TOrvRadioGroup::changed, [&] { log.push_back("changed"); });
    QObject::connect(radioGroup, &TOrvRadioGroup::clicked, [&] { log.push_back("clicked"); });
    QObject::connect(radioGroup, &TOrvRadioGroup::itemIndexChanged, [&] { log.push_back("itemIndexChanged"); });
    QTest::mouseClick(RadioItem(1), Qt::LeftButton);
    EXPECT_EQ(log,
              (std::vector<std::string>{"OnStateChange", "changed", "itemIndexChanged", "OnClick", "clicked"}));
}

TEST_F(ItemSignals, NothingIsSignalledWhileLoading)
{
    QSignalSpy states(box, &TOrvCheckBox::stateChanged);
    QSignalSpy radioChecked(radios[0], &TOrvRadioBtn::checkedChanged);
    int radioStateChanges = 0;
    radios[0]->OnStateChange = [&](QObject*) { ++radioStateChanges; };
    TOrvRadioGroup loaded(&window);
    QSignalSpy index(&loaded, &TOrvRadioGroup::itemIndexChanged);
    box->BeginLoad();
    radios[0]->BeginLoad();
    loaded.BeginLoad();
    box->SetState(cbChecked);
    radios[0]->SetChecked(true);
    loaded.SetItems({QStringLiteral("a"), QStringLiteral("b")});
    loaded.SetItemIndex(1);
    box->EndLoad();
    radios[0]->EndLoad();
    loaded.EndLoad();
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_TRUE(radios[0]->Checked());
    EXPECT_EQ(loaded.ItemIndex(), 1);
    EXPECT_EQ(radioStateChanges, 1) << "a radio button's OnStateChange fires also while loading";
    EXPECT_EQ(states.count() + radioChecked.count() + index.count(), 0);
}

TEST_F(ItemSignals, RadioButtonsSignalBothEndsOfAChange)
{
    QSignalSpy first(radios[0], &TOrvRadioBtn::checkedChanged);
    QSignalSpy second(radios[1], &TOrvRadioBtn::checkedChanged);
    radios[0]->SetChecked(true);
    QTest::mouseClick(radios[1], Qt::LeftButton);
    EXPECT_EQ(Ints(first), (std::vector<int>{1, 0}));
    EXPECT_EQ(Ints(second), (std::vector<int>{1}));
}

TEST_F(ItemSignals, RadioGroupIndexSignals)
{
    QSignalSpy index(radioGroup, &TOrvRadioGroup::itemIndexChanged);
    QSignalSpy nulls(radioGroup, &TOrvRadioGroup::nullChanged);
    QSignalSpy changed(radioGroup, &TOrvRadioGroup::changed);
    radioGroup->SetItemIndex(2);
    radioGroup->SetItemIndex(2);
    EXPECT_EQ(Ints(index), (std::vector<int>{2}));
    EXPECT_EQ(changed.count(), 2) << "OnStateChange, and so changed(), follow every assignment";

    index.clear();
    radioGroup->OnBeforeChange = [](QObject*, int, bool& allow) { allow = false; };
    QTest::mouseClick(RadioItem(0), Qt::LeftButton);
    EXPECT_EQ(radioGroup->ItemIndex(), 2);
    EXPECT_EQ(Ints(index), (std::vector<int>{0, 2})) << "a refused choice goes there and back";

    radioGroup->OnBeforeChange = nullptr;
    index.clear();
    QTest::keyClick(RadioItem(0), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(radioGroup->ItemIndex(), 2) << "Esc returns to the index at entry";
    ASSERT_GE(index.count(), 2);
    EXPECT_EQ(index.last().value(0).toInt(), 2);

    radioGroup->SetNull(true);
    radioGroup->SetItems({QStringLiteral("only")});
    EXPECT_EQ(Ints(nulls), (std::vector<int>{0, 1})) << "out of null by the first index, back by SetNull";
    radioGroup->SetItemIndex(0);
    index.clear();
    radioGroup->SetItems({});
    EXPECT_EQ(Ints(index), (std::vector<int>{-1})) << "emptied items take the index along";
    EXPECT_EQ(Ints(nulls), (std::vector<int>{0, 1, 0, 1}));
}

TEST_F(ItemSignals, CheckGroupValueSignals)
{
    QSignalSpy values(checkGroup, &TOrvCheckGroup::valueChanged);
    QSignalSpy nulls(checkGroup, &TOrvCheckGroup::nullChanged);
    checkGroup->SetAsBitList(0b0101);
    checkGroup->SetAsBitList(0b0101);
    QTest::mouseClick(CheckItem(1), Qt::LeftButton);
    checkGroup->SetNull(true);
    checkGroup->SetNull(true);
    checkGroup->SetNull(false);
    checkGroup->SetAsBitList(0b1111);
    checkGroup->SetItems({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(Ints(values), (std::vector<int>{0b0101, 0b0111, 0, 0b1111, 0b0011}));
    EXPECT_EQ(Ints(nulls), (std::vector<int>{1, 0}));
}

TEST_F(ItemSignals, ADataMapperBindsTheValues)
{
    QStandardItemModel model(2, 3);
    model.setData(model.index(0, 0), true);
    model.setData(model.index(0, 1), 2);
    model.setData(model.index(0, 2), 0b1010u);
    model.setData(model.index(1, 0), int(cbGrayed));
    model.setData(model.index(1, 1), -1);
    model.setData(model.index(1, 2), 0u);
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(box, 0);
    mapper.addMapping(radioGroup, 1);
    mapper.addMapping(checkGroup, 2);

    mapper.toFirst();
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(radioGroup->ItemIndex(), 2);
    EXPECT_EQ(checkGroup->AsBitList(), 0b1010u);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(RadioItem(0), Qt::LeftButton);
    QTest::mouseClick(CheckItem(0), Qt::LeftButton);
    mapper.submit();
    EXPECT_EQ(model.data(model.index(0, 0)).toInt(), int(cbUnchecked));
    EXPECT_EQ(model.data(model.index(0, 1)).toInt(), 0);
    EXPECT_EQ(model.data(model.index(0, 2)).toUInt(), 0b1011u);

    mapper.toNext();
    EXPECT_TRUE(box->Null());
    EXPECT_TRUE(radioGroup->Null());
    EXPECT_EQ(checkGroup->AsBitList(), 0u);
}

} // namespace
} // namespace orv
