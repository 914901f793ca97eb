#include <gtest/gtest.h>

#include "IEPhotoNotes.h"

namespace {

CIEPhotoNote* MakeNote(const char16_t* file, double azimuth) {
  auto* note = new CIEPhotoNote();
  note->SetFileName(file);
  note->SetData(CIEPhotoNote::PHOTO_AZIMUTH, azimuth);
  note->SetData(CIEPhotoNote::PHOTO_TILT_Y, -azimuth);
  return note;
}

TEST(IEPhotoNoteTest, DataOutsideTheThreeTypesIsIgnored) {
  CIEPhotoNote note;
  const auto outside = static_cast<CIEPhotoNote::EPhotoPropertyDataType>(3);
  note.SetData(outside, 5.0);
  EXPECT_EQ(0.0, note.GetData(outside));
  note.SetData(CIEPhotoNote::PHOTO_TILT_X, 1.25);
  EXPECT_EQ(1.25, note.GetData(CIEPhotoNote::PHOTO_TILT_X));
  EXPECT_EQ(0.0, note.GetData(CIEPhotoNote::PHOTO_AZIMUTH));
  EXPECT_TRUE(note.GetFileName().IsEmpty());
  note = note;
  EXPECT_EQ(1.25, note.GetData(CIEPhotoNote::PHOTO_TILT_X));
}

TEST(IEPhotoNotesTest, CopiesOwnTheirNotes) {
  auto* source = new CIEPhotoNotes();
  source->AddPhotoNote(MakeNote(u"a.jpg", 10));
  source->AddPhotoNote(MakeNote(u"b.jpg", 20));
  CIEPhotoNotes copy(*source);
  CIEPhotoNotes assigned;
  for (int i = 0; i < 3; ++i) assigned.AddPhotoNote(MakeNote(u"old.jpg", i));
  assigned = *source;
  assigned = assigned;
  EXPECT_NE(source->GetPhotoNote(0), copy.GetPhotoNote(0));
  delete source;
  for (const CIEPhotoNotes* list : {&copy, &assigned}) {
    ASSERT_EQ(2, list->GetNumberOfPhotoNotes());
    EXPECT_TRUE(list->GetPhotoNote(1)->GetFileName() == u"b.jpg");
    EXPECT_EQ(20.0, list->GetPhotoNote(1)->GetData(CIEPhotoNote::PHOTO_AZIMUTH));
    EXPECT_EQ(-20.0, list->GetPhotoNote(1)->GetData(CIEPhotoNote::PHOTO_TILT_Y));
    EXPECT_EQ(nullptr, list->GetPhotoNote(2));
    EXPECT_EQ(nullptr, list->GetPhotoNote(-1));
  }
}

TEST(IEPhotoNotesTest, CloneAppendsAndIgnoresItself) {
  CIEPhotoNotes list;
  EXPECT_EQ(nullptr, list.GetPhotoNote(0));
  list.AddPhotoNote(MakeNote(u"a.jpg", 1));
  list.AddPhotoNote(nullptr);
  CIEPhotoNotes other;
  other.AddPhotoNote(MakeNote(u"b.jpg", 2));
  list.clone(other);
  list.clone(list);
  ASSERT_EQ(2, list.GetNumberOfPhotoNotes());
  EXPECT_TRUE(list.GetPhotoNote(1)->GetFileName() == u"b.jpg");
}

}  // namespace
