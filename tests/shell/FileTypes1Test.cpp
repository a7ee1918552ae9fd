// The document types: their values, their order, and their registration.
#include <gtest/gtest.h>

#include "shell/FileTypes1.h"

namespace vorline {
namespace {

TEST(FileTypes1, DeclaresPadFilesAndTextFilesAndRegistersThemOnce) {
  EXPECT_EQ(FileTypes1::VRL(), nullptr);
  FileTypes1::_Initialize();

  auto vrl = FileTypes1::VRL();
  ASSERT_NE(vrl, nullptr);
  EXPECT_EQ(vrl->Name(), "Pad Files");
  EXPECT_EQ(vrl->Extensions(), ".vrl");
  EXPECT_FALSE(vrl->Imported());
  EXPECT_EQ(vrl->MimeType(), "");
  EXPECT_EQ(vrl->MacType(), "");
  EXPECT_EQ(vrl->ConformsTo(), "");

  auto text = FileTypes1::TextFile();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Name(), "Text Files");
  EXPECT_EQ(text->ExtensionList(), std::vector<std::string>{".txt"});
  EXPECT_TRUE(text->Imported());

  EXPECT_EQ(FileTypes1::AllFileTypes(), (std::vector<std::shared_ptr<FileType>>{vrl, text}));
  EXPECT_EQ(FileType::Registered(), (std::vector<std::shared_ptr<FileType>>{vrl, text}));
  EXPECT_EQ(vrl->Operator_Convert(), "Pad Files");  // registers at most once
  EXPECT_EQ(FileType::Registered().size(), 2u);

  // The dialogs' filter "TEXT" offers both.
  EXPECT_EQ(FileType::ForFilter("TEXT"), (std::vector<std::shared_ptr<FileType>>{vrl, text}));
  EXPECT_EQ(FileType::ForFilter("Text Files"), std::vector<std::shared_ptr<FileType>>{text});
}

TEST(FileType, ListsItsExtensionsWithTheirDots) {
  FileType type;
  type.SetExtensions(".vrl;txt; .pad");
  EXPECT_EQ(type.ExtensionList(), (std::vector<std::string>{".vrl", ".txt", ".pad"}));
}

}  // namespace
}  // namespace vorline
