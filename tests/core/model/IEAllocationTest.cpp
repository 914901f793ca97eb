#include <gtest/gtest.h>

#include "IEModel.h"
#include "QelAlloc.h"

namespace {

// Model objects come from the shared allocator; when it fails, new yields null instead of
// throwing, and the operations that allocate give up cleanly.
class IEAllocationTest : public ::testing::Test {
 protected:
  void TearDown() override { qel_mem_test::FailAllocationAfter(0); }
};

TEST_F(IEAllocationTest, NewYieldsNullWhenTheSharedAllocatorFails) {
  qel_mem_test::FailAllocationAfter(1);
  CIEDesignPoint* point = new CIEDesignPoint();
  EXPECT_EQ(nullptr, point);
  qel_mem_test::FailAllocationAfter(1);
  CIEDesignPoint* points = new CIEDesignPoint[2];
  EXPECT_EQ(nullptr, points);
}

TEST_F(IEAllocationTest, CloneAndStopgapGiveNullWithoutLeaking) {
  CIEArc arc;
  qel_mem_test::FailAllocationAfter(1);
  EXPECT_EQ(nullptr, arc.clone());

  CIEData data{TIESettings()};
  qel_mem_test::FailAllocationAfter(1);
  EXPECT_EQ(nullptr, data.GetCurDataset());
  EXPECT_EQ(0, data.GetNumberOfDatasets());
  EXPECT_NE(nullptr, data.GetCurDataset());
}

TEST_F(IEAllocationTest, ArraysAndPlacementUseTheClassOperators) {
  CIELayer* layers = new CIELayer[3];
  ASSERT_NE(nullptr, layers);
  layers[2].SetName(u"L");
  delete[] layers;
  alignas(CIEStation) unsigned char buffer[sizeof(CIEStation)];
  CIEStation* placed = new (buffer) CIEStation(CIEStation::STATION_ENTERED);
  EXPECT_EQ(CIEStation::STATION_ENTERED, placed->GetStationType());
  placed->~CIEStation();
}

}  // namespace
