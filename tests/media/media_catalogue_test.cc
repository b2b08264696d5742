#include "media/media_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "media/builtin_icons.h"
#include "media/image_header.h"
#include "testing/test_support.h"
#include "text/string_ops.h"

namespace vellix::media {
namespace {

/// A catalogue loaded from `ini`, its templates served from `files`.
class CatalogueTest : public ::testing::Test {
 protected:
  void Load(std::string_view ini) {
    catalogue_.LoadFromText(ini,
                            [this](std::string_view name) -> std::optional<std::string> {
                              requested_.push_back(std::string(name));
                              auto it = files_.find(std::string(name));
                              if (it == files_.end()) return std::nullopt;
                              return it->second;
                            });
  }

  MediaCatalogue catalogue_;
  std::map<std::string, std::string> files_;
  std::vector<std::string> requested_;
};

TEST_F(CatalogueTest, AnExtensionWithoutKindOrDefaultGetsTheFallbacks) {
  Load("[mp3]\nMIME=audio/mpeg\nIcon=icon-mp3.jpg\n");
  const KindInfo info = catalogue_.KindFor("xyz");
  EXPECT_EQ(info.mime, "");
  EXPECT_EQ(info.icon, "icon-media.jpg");
  EXPECT_EQ(info.template_text, kBuiltinTemplate);
  const IconChoice icon = catalogue_.IconFor("xyz");
  EXPECT_EQ(icon.name, "icon-media.jpg");
  EXPECT_TRUE(icon.builtin);
}

TEST_F(CatalogueTest, SectionsMatchExtensionsWithoutRegardToCase) {
  files_["mm-audio.txt"] = "<audio src=\"%FILE%\"></audio>\r\n";
  Load("[MP3]\r\nmime = audio/mpeg \r\nICON= icon-mp3.jpg \r\nObject=mm-audio.txt\r\n");
  for (std::string_view extension : {"mp3", "MP3", " Mp3 "}) {
    const KindInfo info = catalogue_.KindFor(extension);
    EXPECT_EQ(info.mime, "audio/mpeg");
    EXPECT_EQ(info.icon, "icon-mp3.jpg");
    EXPECT_EQ(info.template_text, "<audio src=\"%FILE%\"></audio>\r\n");
  }
  ASSERT_NE(catalogue_.Find("mp3"), nullptr);
  EXPECT_EQ(catalogue_.Find("mp3")->name, "mp3");
}

TEST_F(CatalogueTest, TheDefaultKindServesUnknownExtensions) {
  files_["mm-other.txt"] = "<object data=\"%DATA%\"></object>";
  Load(
      "[default]\nMIME=application/octet-stream\nIcon=my-icon.jpg\nObject=mm-other.txt\n"
      "[pdf]\nMIME=application/pdf\n");
  EXPECT_EQ(catalogue_.KindFor("zip").mime, "application/octet-stream");
  EXPECT_EQ(catalogue_.IconFor("zip").name, "my-icon.jpg");
  EXPECT_FALSE(catalogue_.IconFor("zip").builtin);
  // A kind without its own icon or template borrows none from the default
  // kind's template, but does take the default icon.
  const KindInfo pdf = catalogue_.KindFor("pdf");
  EXPECT_EQ(pdf.mime, "application/pdf");
  EXPECT_EQ(pdf.icon, "my-icon.jpg");
  EXPECT_EQ(pdf.template_text, kBuiltinTemplate);
}

TEST_F(CatalogueTest, ARepeatedSectionIsIgnoredAfterItsFirstOccurrence) {
  Load(
      "[wav]\nMIME=audio/wav\n[mp3]\nMIME=audio/mpeg\n[WAV]\nMIME=audio/"
      "x-wav\nIcon=x.jpg\n"
      "[wav]\nIcon=y.jpg\n");
  EXPECT_EQ(catalogue_.KindFor("wav").mime, "audio/wav");
  EXPECT_EQ(catalogue_.IconFor("wav").name, "icon-media.jpg");
  EXPECT_EQ(catalogue_.KindFor("mp3").mime, "audio/mpeg");
}

TEST_F(CatalogueTest, TemplatesGetCarriageReturnsAndAreReadOncePerFile) {
  files_["lf.txt"] = "<p>\n%IMAGE%\n</p>\n";
  files_["crlf.txt"] = "<p>\r\n%IMAGE%\n</p>";  // mixed: left as it is
  Load(
      "[a]\nObject=lf.txt\n[b]\nObject=LF.TXT\n[c]\nObject=crlf.txt\n[d]\nObject=gone."
      "txt\n");
  EXPECT_EQ(catalogue_.KindFor("a").template_text, "<p>\r\n%IMAGE%\r\n</p>\r\n");
  EXPECT_EQ(catalogue_.KindFor("b").template_text, "<p>\r\n%IMAGE%\r\n</p>\r\n");
  EXPECT_EQ(catalogue_.KindFor("c").template_text, "<p>\r\n%IMAGE%\n</p>");
  EXPECT_EQ(catalogue_.KindFor("d").template_text, kBuiltinTemplate);  // unreadable
  EXPECT_EQ(requested_.size(), 3u);
}

TEST(NormalizeTemplateTest, TemplatesAreBoundedWithoutSplittingACharacter) {
  EXPECT_EQ(NormalizeTemplate(std::string(20000, 'x')).size(), kMaxTemplateBytes);
  // "é" is two bytes and would straddle the bound: it is left out whole.
  const std::string text = std::string(kMaxTemplateBytes - 1, 'x') + "\xC3\xA9" + "tail";
  EXPECT_EQ(NormalizeTemplate(text), std::string(kMaxTemplateBytes - 1, 'x'));
}

TEST(MediaCodeTest, ExtensionsGiveTheirKindCodes) {
  const std::pair<std::string_view, MediaCode> cases[] = {
      {"bmp", MediaCode::kBmp},   {"GIF", MediaCode::kGif}, {"jpg", MediaCode::kJpeg},
      {"Jpeg", MediaCode::kJpeg}, {"ole", MediaCode::kOle}, {"pcx", MediaCode::kPcx},
      {"tif", MediaCode::kTif},   {"png", MediaCode::kPng}, {"wav", MediaCode::kWav},
      {"mp3", MediaCode::kMp3},   {"mid", MediaCode::kMid}, {"avi", MediaCode::kAvi},
      {"mov", MediaCode::kMov},   {"mp4", MediaCode::kMp4}, {"swf", MediaCode::kSwf},
      {"pdf", MediaCode::kPdf},   {"txt", MediaCode::kTxt}, {"doc", MediaCode::kDoc},
      {"odt", MediaCode::kOdt},   {"rtf", MediaCode::kRtf}, {" png ", MediaCode::kPng},
      {"tiff", MediaCode::kNone}, {"", MediaCode::kNone},   {"jpgx", MediaCode::kNone},
  };
  for (const auto& [extension, code] : cases) {
    EXPECT_EQ(CodeForExtension(extension), code) << extension;
  }
  int pictures = 0;
  for (int code = 0; code <= 21; ++code)
    pictures += IsPicture(static_cast<MediaCode>(code));
  EXPECT_EQ(pictures, 4);
  EXPECT_EQ(ExtensionOf("C:\\a.b\\photo.JPG"), "JPG");
  EXPECT_EQ(ExtensionOf("C:\\a.b\\photo"), "");
  EXPECT_EQ(ExtensionOf("archive.tar.gz"), "gz");
}

TEST(BuiltinIconTest, SixteenDistinctJpegsOfOneHundredByOneHundredFifty) {
  std::set<std::string> seen;
  MediaCatalogue catalogue;
  for (std::string_view name : kBuiltinIconNames) {
    const std::string& jpeg = catalogue.BuiltinIcon(name);
    std::optional<ImageHeader> header = ReadImageHeader(jpeg);
    ASSERT_TRUE(header.has_value()) << name;
    EXPECT_EQ(header->format, ImageFormat::kJpeg);
    EXPECT_EQ(header->width, 100);
    EXPECT_EQ(header->height, 150);
    seen.insert(jpeg);
    EXPECT_TRUE(IsBuiltinIcon(text::AsciiUpper(name)));
  }
  EXPECT_EQ(seen.size(), 16u);
  EXPECT_TRUE(catalogue.BuiltinIcon("icon-other.jpg").empty());
  EXPECT_FALSE(IsBuiltinIcon("icon-other.jpg"));
}

TEST(ShippedCatalogueTest, EveryKindNamesABuiltinIconAndAReadableTemplate) {
  vellix::testing::TempDir home;  // no user copies in the way
  MediaCatalogue catalogue;
  catalogue.Load(home.path());
  ASSERT_NE(catalogue.Find("default"), nullptr);
  for (std::string_view extension : {"mp3", "wav", "mid", "avi", "mov", "mp4", "swf",
                                     "pdf", "txt", "doc", "odt", "rtf"}) {
    const MediaKind* kind = catalogue.Find(extension);
    ASSERT_NE(kind, nullptr) << extension;
    EXPECT_TRUE(IsBuiltinIcon(kind->icon)) << extension;
    const KindInfo info = catalogue.KindFor(extension);
    EXPECT_FALSE(info.mime.empty()) << extension;
    EXPECT_NE(info.template_text, kBuiltinTemplate) << extension;
    EXPECT_NE(info.template_text.find("\r\n"), std::string::npos) << extension;
    EXPECT_NE(info.template_text.find("%FILE%"), std::string::npos) << extension;
    // The icon stands in when the browser cannot show the file itself.
    EXPECT_TRUE(info.template_text.find("%IMAGE%") != std::string::npos ||
                info.template_text.find("%RAWIMAGE%") != std::string::npos)
        << extension;
  }
  EXPECT_NE(catalogue.KindFor("swf").template_text.find("%WIDTH%"), std::string::npos);
  EXPECT_NE(
      catalogue.KindFor("mp3").template_text.find("<audio class=\"vx-objaud\" controls"),
      std::string::npos);
  EXPECT_NE(
      catalogue.KindFor("mp4").template_text.find("<video class=\"vx-objvid\" controls"),
      std::string::npos);
  EXPECT_NE(catalogue.KindFor("pdf").template_text.find("<object"), std::string::npos);
}

}  // namespace
}  // namespace vellix::media
