#include <gtest/gtest.h>

#include <memory>

#include "IEDrawDictionary.h"
#include "IEDrawProperties.h"
#include "IELayer.h"

namespace {

TEST(IEDrawPropertiesTest, NewPropertiesAreUndefinedUntilSet) {
  std::unique_ptr<IIEDrawProperties> all[] = {std::make_unique<CIEDrawPointProperties>(),
                                              std::make_unique<CIEDrawLineProperties>(),
                                              std::make_unique<CIEDrawAreaProperties>()};
  const char16_t* names[] = {u"Point", u"Line", u"Area"};
  for (int i = 0; i < 3; ++i) {
    IIEDrawProperties& p = *all[i];
    unsigned long color = 77;
    EXPECT_FALSE(p.GetColor(color));
    EXPECT_EQ(77ul, color);
    EXPECT_FALSE(p.IsDefined());
    EXPECT_EQ(i, p.GetType());
    EXPECT_TRUE(p.GetObjTypeAsString() == names[i]);
    p.SetColor(0);
    EXPECT_TRUE(p.GetColor(color));
    EXPECT_EQ(0ul, color);
    EXPECT_TRUE(p.IsDefined());
  }
}

TEST(IEDrawPropertiesTest, StylesFromTextIgnoreCase) {
  CIEDrawLineProperties line;
  CIEDrawLineProperties::EDashStyleType dash;
  EXPECT_TRUE(line.SetDashStyleFromString(u"dash dot"));
  ASSERT_TRUE(line.GetDashStyle(dash));
  EXPECT_EQ(CIEDrawLineProperties::DASH_DASH_DOT, dash);
  EXPECT_FALSE(line.SetDashStyleFromString(u"Dashed"));
  EXPECT_FALSE(line.GetDashStyle(dash));

  CIEDrawPointProperties point;
  CIEDrawPointProperties::EMarkStyleType mark;
  EXPECT_TRUE(point.SetMarkStyleFromString(u"smallcross"));
  ASSERT_TRUE(point.GetMarkStyle(mark));
  EXPECT_EQ(CIEDrawPointProperties::MARK_SMALL_CROSS, mark);
  EXPECT_TRUE(point.SetMarkStyleFromString(u"Dot"));
  point.GetMarkStyle(mark);
  EXPECT_EQ(CIEDrawPointProperties::MARK_DOT, mark);
  EXPECT_TRUE(line.SetDashStyleFromString(u"Dot"));
  line.GetDashStyle(dash);
  EXPECT_EQ(CIEDrawLineProperties::DASH_DOT, dash);

  CIEDrawAreaProperties area;
  CIEDrawAreaProperties::EFillStyleType fill;
  int transparency;
  EXPECT_TRUE(area.SetFillStyleFromString(u"Horz. Lines"));
  ASSERT_TRUE(area.GetFillStyleType(fill));
  EXPECT_EQ(CIEDrawAreaProperties::FILL_HORZ_LINES, fill);
  EXPECT_FALSE(area.GetFillTransparency(transparency));
}

TEST(IEDrawPropertiesTest, StyleToText) {
  CIEDrawPointProperties point;
  CQelString text = u"unchanged";
  EXPECT_FALSE(point.GetMarkStyleAsString(text));
  point.SetMarkStyle(CIEDrawPointProperties::MARK_FILLED_TRIANGLE);
  EXPECT_TRUE(point.GetMarkStyleAsString(text));
  EXPECT_TRUE(text == u"Filled Triangle");
  text = u"unchanged";
  point.SetMarkStyle(static_cast<CIEDrawPointProperties::EMarkStyleType>(12));
  EXPECT_TRUE(point.GetMarkStyleAsString(text));
  EXPECT_TRUE(text == u"unchanged");

  CIEDrawAreaProperties area;
  area.SetFillStyleType(CIEDrawAreaProperties::FILL_VERT_LINES);
  EXPECT_TRUE(area.GetFillStyleTypeAsString(text));
  EXPECT_TRUE(text == u"Vert. Lines");
  CIEDrawLineProperties line;
  line.SetDashStyle(CIEDrawLineProperties::DASH_DASH_DOT_DOT);
  EXPECT_TRUE(line.GetDashStyleTypeAsString(text));
  EXPECT_TRUE(text == u"Dash Dot Dot");
}

TEST(IEDrawPropertiesTest, WidthOutsideOneToHundredBecomesOne) {
  const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {101, 1}, {100, 100}, {1, 1}, {7, 7}};
  for (const auto& c : cases) {
    CIEDrawLineProperties line;
    int width = 0;
    line.SetWidth(c.first);
    ASSERT_TRUE(line.GetWidth(width));
    EXPECT_EQ(c.second, width) << c.first;
  }
}

TEST(IEDrawPropertiesTest, CloneCopiesOnlyDefinedProperties) {
  CIEDrawLineProperties line;
  line.SetWidth(5);
  std::unique_ptr<IIEDrawProperties> copy(line.clone());
  auto* cl = dynamic_cast<CIEDrawLineProperties*>(copy.get());
  ASSERT_NE(nullptr, cl);
  int width = 0;
  unsigned long color;
  CIEDrawLineProperties::EDashStyleType dash;
  EXPECT_TRUE(cl->GetWidth(width));
  EXPECT_EQ(5, width);
  EXPECT_FALSE(cl->GetColor(color));
  EXPECT_FALSE(cl->GetDashStyle(dash));

  CIEDrawAreaProperties area;
  area.SetFillTransparency(250);
  area.SetColor(0x0000FF);
  std::unique_ptr<IIEDrawProperties> ac(area.clone());
  int transparency = 0;
  CIEDrawAreaProperties::EFillStyleType fill;
  EXPECT_TRUE(static_cast<CIEDrawAreaProperties*>(ac.get())->GetFillTransparency(transparency));
  EXPECT_EQ(250, transparency);
  EXPECT_FALSE(static_cast<CIEDrawAreaProperties*>(ac.get())->GetFillStyleType(fill));
  EXPECT_TRUE(ac->GetColor(color));
  EXPECT_EQ(0xFFul, color);
}

TEST(IEDrawPropertiesTest, CreateFromTypeNameIsExact) {
  std::unique_ptr<IIEDrawProperties> p(CIELayer::CreateDrawPropertiesFromString(u"Area"));
  ASSERT_NE(nullptr, p);
  EXPECT_EQ(IIEDrawProperties::DRAW_AREA, p->GetType());
  EXPECT_EQ(nullptr, CIELayer::CreateDrawPropertiesFromString(u"point"));
  EXPECT_EQ(nullptr, CIELayer::CreateDrawPropertiesFromString(u""));
}

TEST(IELayerTest, AllParamsByDefaultUntilAnySetterOrDefinedProperties) {
  CIELayer layer;
  EXPECT_TRUE(layer.AreAllParamsByDefault());
  EXPECT_TRUE(layer.IsActive());
  EXPECT_TRUE(layer.IsPlot());
  layer.SetPlotStatus(true);
  EXPECT_FALSE(layer.AreAllParamsByDefault());

  CIELayer other;
  other.SetDrawProperties(IIEDrawProperties::DRAW_LINE, new CIEDrawLineProperties());
  EXPECT_TRUE(other.AreAllParamsByDefault());
  auto* line = new CIEDrawLineProperties();
  line->SetColor(3);
  other.SetDrawProperties(IIEDrawProperties::DRAW_LINE, line);  // deletes the first
  EXPECT_FALSE(other.AreAllParamsByDefault());
  CIEDrawLineProperties notTaken;
  other.SetDrawProperties(static_cast<IIEDrawProperties::EIEDrawType>(3), &notTaken);
  EXPECT_EQ(nullptr, other.GetDrawProperties(static_cast<IIEDrawProperties::EIEDrawType>(3)));
}

TEST(IELayerTest, CopyIsDeep) {
  auto* layer = new CIELayer();
  layer->SetName(u"ROAD");
  layer->SetNotes(u"kerbs");
  auto* point = new CIEDrawPointProperties();
  point->SetColor(9);
  layer->SetDrawProperties(IIEDrawProperties::DRAW_POINT, point);
  CIELayer copy(*layer);
  CIELayer assigned;
  assigned = *layer;
  delete layer;
  for (const CIELayer* l : {&copy, &assigned}) {
    EXPECT_TRUE(l->GetName() == u"ROAD");
    EXPECT_TRUE(l->GetNotes() == u"kerbs");
    EXPECT_FALSE(l->AreAllParamsByDefault());
    unsigned long color = 0;
    ASSERT_NE(nullptr, l->GetDrawProperties(IIEDrawProperties::DRAW_POINT));
    EXPECT_TRUE(l->GetDrawProperties(IIEDrawProperties::DRAW_POINT)->GetColor(color));
    EXPECT_EQ(9ul, color);
  }
  EXPECT_NE(copy.GetDrawProperties(IIEDrawProperties::DRAW_POINT),
            assigned.GetDrawProperties(IIEDrawProperties::DRAW_POINT));
}

TEST(IEDrawDictionaryTest, LayersFindAndDefault) {
  CIEDrawDictionary dict;
  EXPECT_FALSE(dict.SetDefaultLayer(0));
  EXPECT_EQ(nullptr, dict.GetDefaultLayer());
  EXPECT_EQ(nullptr, dict.GetLayerAt(0));
  EXPECT_EQ(nullptr, dict.GetLayerAt(-1));
  const char16_t* names[] = {u"ROAD", u"TREES", u"ROAD"};
  for (const char16_t* n : names) {
    auto* l = new CIELayer();
    l->SetName(n);
    dict.AddLayer(l);
  }
  dict.AddLayer(nullptr);
  EXPECT_EQ(3, dict.GetNumberOfLayers());
  EXPECT_EQ(dict.GetLayerAt(0), dict.FindLayer(u"ROAD"));
  EXPECT_EQ(nullptr, dict.FindLayer(u"road"));
  EXPECT_FALSE(dict.SetDefaultLayer(3));
  EXPECT_FALSE(dict.SetDefaultLayer(-1));
  EXPECT_TRUE(dict.SetDefaultLayer(1));
  EXPECT_EQ(dict.GetLayerAt(1), dict.GetDefaultLayer());

  CIEDrawDictionary copy(dict);
  EXPECT_EQ(3, copy.GetNumberOfLayers());
  EXPECT_NE(dict.GetLayerAt(1), copy.GetDefaultLayer());
  EXPECT_TRUE(copy.GetDefaultLayer()->GetName() == u"TREES");
}

}  // namespace
