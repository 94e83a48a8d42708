// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/graph_panel.h"
#include "panels/panel_label.h"
#include "panels/panel_shape.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using panels::GraphPanel;

std::set<std::string> namesOf(const GraphPanel& panel)
{
    std::set<std::string> names;
    for (const QObject* child : panel.children()) {
        names.insert(child->objectName().toStdString());
    }
    return names;
}

// Controls found in one panel only, or missing from some: the tick labels and grid lines
// differ with each panel's scale.
TEST(PanelContentsTest, EachPanelHasItsOwnControlsByName)
{
    struct Row
    {
        int panel;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Row rows[] = {
        {0, {"Label1", "Label8", "Line3", "Line10"}, {"Label9", "Label15", "Label16", "Line14"}},
        {1, {"Label9", "Label16", "Line16", "Line17", "Line18"}, {"Label15", "Line14", "Line15"}},
        {2, {"Label9", "Label15", "Line14", "Line15"}, {"Label16", "Line16", "Line18"}},
        {3, {"Label3", "Label5", "Label7", "Label9"}, {"Label1", "Label2", "Label4", "Label8"}},
    };
    const char* everywhere[] = {"Line1",   "Line2",   "Line11",  "Line12",  "Line13", "Label10",
                                "Label11", "Label12", "Label13", "Label14", "Shape1", "Shape2",
                                "Shape3",  "Shape4",  "Shape5",  "Shape6",  "Shape7", "Shape8"};
    for (const Row& row : rows) {
        SCOPED_TRACE("panel " + std::to_string(row.panel));
        GraphPanel panel(row.panel);
        EXPECT_EQ(panel.objectName(), "Picture1");
        EXPECT_EQ(panel.property("index").toInt(), row.panel);
        EXPECT_EQ(panel.size(), QSize(233, 333));
        const auto names = namesOf(panel);
        for (const char* name : everywhere) {
            EXPECT_EQ(names.count(name), 1U) << name;
        }
        for (const auto& name : row.present) {
            EXPECT_EQ(names.count(name), 1U) << name;
        }
        for (const auto& name : row.absent) {
            EXPECT_EQ(names.count(name), 0U) << name;
        }
    }
}

TEST(PanelContentsTest, FormulaLabelsKeepTheirExactSpacing)
{
    const char* formulas[] = {"v   =   a * t", "P  =  m * a * v", "E kin  =  0,5m * v²",
                              "s  =  0,5a * t²"};
    for (int index = 0; index < 4; ++index) {
        GraphPanel panel(index);
        const auto* label = panel.findChild<panels::PanelLabel*>("Label14");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(formulas[index]));
        EXPECT_EQ(label->area().width(), index == 2 ? 193 : 177);
    }
}

TEST(PanelContentsTest, MarkersStartAtTheirDesignGeometry)
{
    GraphPanel panel(2);
    const auto* dot = panel.shape(winsys::Shape::Shape6);
    EXPECT_EQ(dot->objectName(), "Shape6");
    EXPECT_EQ(dot->left(), 144.0F);
    EXPECT_EQ(dot->top(), 8.0F);
    const auto* bar = panel.shape(winsys::Shape::Shape8);
    EXPECT_EQ(bar->objectName(), "Shape8");
    EXPECT_EQ(bar->top(), 184.0F);
    EXPECT_EQ(bar->height(), 33.0F);
    EXPECT_EQ(bar->width(), 153);
}

} // namespace
