#include "core/exchange/Qti.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <sstream>

#include "core/exchange/Credit.h"
#include "core/exchange/ExchangeText.h"
#include "core/exchange/FormatParts.h"
#include "core/exchange/XmlParts.h"
#include "core/exchange/ZipArchive.h"

namespace {

constexpr const char* QtiNamespace = "http://www.imsglobal.org/xsd/imsqti_v2p1";
constexpr const char* QtiSchema =
    "http://www.imsglobal.org/xsd/imsqti_v2p1 http://www.imsglobal.org/xsd/qti/qtiv2p1/imsqti_v2p1.xsd";
constexpr const char* CpNamespace = "http://www.imsglobal.org/xsd/imscp_v1p1";
constexpr const char* CpSchema =
    "http://www.imsglobal.org/xsd/imscp_v1p1 http://www.imsglobal.org/xsd/imscp_v1p1.xsd";
constexpr const char* XsiNamespace = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* MatchCorrect = "http://www.imsglobal.org/question/qti_v2p1/rptemplates/match_correct";
constexpr const char* MapResponse = "http://www.imsglobal.org/question/qti_v2p1/rptemplates/map_response";
constexpr const char* ItemType = "imsqti_item_xmlv2p1";
constexpr const char* TestType = "imsqti_test_xmlv2p1";

// Element names without their namespace prefix, so that packages written with
// a prefix read as well.
std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view name) {
  for (const pugi::xml_node& child : parent.children())
    if (child.type() == pugi::node_element && LocalName(child) == name) return child;
  return {};
}

std::vector<pugi::xml_node> Children(const pugi::xml_node& parent, std::string_view name) {
  std::vector<pugi::xml_node> out;
  for (const pugi::xml_node& child : parent.children())
    if (child.type() == pugi::node_element && LocalName(child) == name) out.push_back(child);
  return out;
}

// Visits each element below root in document order, without recursion,
// until visit returns false.
template <typename TVisit>
void VisitElements(const pugi::xml_node& root, TVisit visit) {
  pugi::xml_node node = root.first_child();
  while (node) {
    if (node.type() == pugi::node_element && !visit(node)) return;
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != root && !node.next_sibling()) node = node.parent();
    if (node == root) break;
    node = node.next_sibling();
  }
}

// The first element named name below root, in document order.
pugi::xml_node Descendant(const pugi::xml_node& root, std::string_view name) {
  pugi::xml_node found;
  VisitElements(root, [&](const pugi::xml_node& node) {
    if (LocalName(node) == name) found = node;
    return !found;
  });
  return found;
}

// Every element below root whose name passes wanted, in document order.
template <typename TWanted>
std::vector<pugi::xml_node> DescendantsWhere(const pugi::xml_node& root, TWanted wanted) {
  std::vector<pugi::xml_node> found;
  VisitElements(root, [&](const pugi::xml_node& node) {
    if (wanted(LocalName(node))) found.push_back(node);
    return true;
  });
  return found;
}

std::vector<pugi::xml_node> Descendants(const pugi::xml_node& root, std::string_view name) {
  return DescendantsWhere(root, [name](std::string_view local) { return local == name; });
}

// The first element child of node.
pugi::xml_node FirstElement(const pugi::xml_node& node) {
  for (const pugi::xml_node& child : node.children())
    if (child.type() == pugi::node_element) return child;
  return {};
}

// Whether type is a resource of kind "item" or "test" in one of the QTI 2
// versions, whose choice items agree: "imsqti_item_xmlv2p0" to "...v2p2".
bool IsQti2(std::string_view type, std::string_view kind) {
  for (const std::string_view family : {"imsqti_", "imsqti_apip"}) {
    const std::string prefix = std::string(family) + std::string(kind) + "_xmlv2p";
    if (type.size() == prefix.size() + 1 && type.starts_with(prefix) && type.back() >= '0' &&
        type.back() <= '2')
      return true;
  }
  return false;
}

pugi::xml_node StartDocument(pugi::xml_document& document, const char* root, const char* ns,
                             const char* schema) {
  pugi::xml_node element = XmlParts::StartDocument(document, root);
  element.append_attribute("xmlns") = ns;
  element.append_attribute("xmlns:xsi") = XsiNamespace;
  element.append_attribute("xsi:schemaLocation") = schema;
  return element;
}

// Our text into an element: lines as text with <br/> between them.
void AppendLines(pugi::xml_node parent, std::string_view text) {
  const std::string lines = ExchangeText::WithCrLf(text);
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = lines.find("\r\n", begin);
    const std::string line = lines.substr(begin, end == std::string::npos ? end : end - begin);
    if (!line.empty()) parent.append_child(pugi::node_pcdata).set_value(line.c_str());
    if (end == std::string::npos) break;
    parent.append_child("br");
    begin = end + 2;
  }
}

// An element's content as plain text, the way a browser shows it.
std::string TextOf(const pugi::xml_node& element) {
  std::ostringstream inner;
  for (const pugi::xml_node& child : element.children()) child.print(inner, "", pugi::format_raw);
  return XmlParts::HtmlToText(inner.str());
}

// "a/b/../c" style joins of package paths; nothing when the path leaves the
// package.
std::optional<std::string> Resolve(std::string_view base, std::string_view href) {
  std::vector<std::string> parts;
  std::string path =
      std::string(base.substr(0, base.rfind('/') == std::string_view::npos ? 0 : base.rfind('/') + 1));
  path += href;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(begin, end - begin);
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : "/") + part;
  return out;
}

// Package paths as URI references: bytes outside the unreserved set and '/'
// percent-encoded.
// A media file's name as a plain entry name: no folders, nothing hidden.
std::string SafeFileName(std::string_view name) {
  std::string out(
      name.substr(name.find_last_of("/\\") == std::string_view::npos ? 0 : name.find_last_of("/\\") + 1));
  if (out.empty() || out[0] == '.') out.insert(0, "media");
  return out;
}

std::string MimeType(std::string_view name) {
  std::string ext(name.substr(name.rfind('.') == std::string_view::npos ? name.size() : name.rfind('.') + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  static const std::map<std::string, std::string, std::less<>> Types = {
      {"png", "image/png"},  {"jpg", "image/jpeg"},    {"jpeg", "image/jpeg"}, {"gif", "image/gif"},
      {"bmp", "image/bmp"},  {"svg", "image/svg+xml"}, {"webp", "image/webp"}, {"mp3", "audio/mpeg"},
      {"wav", "audio/wav"},  {"mid", "audio/midi"},    {"mp4", "video/mp4"},   {"avi", "video/x-msvideo"},
      {"html", "text/html"}, {"htm", "text/html"}};
  const auto found = Types.find(ext);
  return found == Types.end() ? "application/octet-stream" : found->second;
}

std::optional<std::string> Setting(const TTestContents& contents, std::string_view key) {
  for (const TTestContents::TSetting& setting : contents.Settings)
    if (setting.Key == key) return setting.Value;
  return std::nullopt;
}

// hh:mm:ss as seconds; nothing for an untimed test or a time that is not one.
std::optional<int> Seconds(const std::optional<std::string>& time) {
  int h = 0, m = 0, s = 0;
  char rest = 0;
  if (!time || std::sscanf(time->c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &rest) != 3 || h < 0 || m < 0 || s < 0)
    return std::nullopt;
  const int total = h * 3600 + m * 60 + s;
  return total > 0 ? std::optional<int>(total) : std::nullopt;
}

class TQtiFormat : public TQuestionFormat {
public:
  std::string_view Name() const override { return "qti"; }
  std::string_view Filter() const override { return "QTI 2.1 Packages (*.zip)|*.zip"; }
  std::string_view DefaultExtension() const override { return "zip"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    if (!bytes.starts_with("PK")) return ReadBareItem(bytes, report);
    std::map<std::string, std::string> files;
    for (ZipArchive::TEntry& entry : ZipArchive::Read(bytes)) files[entry.Name] = std::move(entry.Bytes);
    const auto entry = [&](const std::string& name) -> const std::string& {
      const auto found = files.find(name);
      if (found == files.end()) throw TFormatError("entry " + name + " is missing from the package");
      return found->second;
    };

    pugi::xml_document manifest;
    XmlParts::Parse(manifest, entry("imsmanifest.xml"), "imsmanifest.xml: ");
    const pugi::xml_node resources = Child(Child(manifest, "manifest"), "resources");
    if (!resources) throw TFormatError("imsmanifest.xml: no <resources>");

    TImportedTest test;
    // Each document is read once, however often the manifest names it, and
    // what is parsed counts against the same bound as the unpacked package.
    std::size_t parsed = files["imsmanifest.xml"].size();
    const auto document = [&](const std::string& name) -> const std::string& {
      const std::string& bytes = entry(name);
      parsed += bytes.size();
      if (parsed > ZipArchive::MaxTotalBytes) throw TFormatError("the package's documents read too large");
      return bytes;
    };
    std::string testHref;
    std::vector<std::string> items;
    std::set<std::string> seen;
    int repeated = 0;
    for (const pugi::xml_node& resource : Children(resources, "resource")) {
      const std::string type = resource.attribute("type").as_string();
      std::string href = resource.attribute("href").as_string();
      if (href.empty()) href = Child(resource, "file").attribute("href").as_string();
      const std::optional<std::string> path = Resolve("", ExchangeText::PercentDecode(href));
      if (IsQti2(type, "item")) {
        if (!path)
          report.Add(0, "item " + href + " lies outside the package: not imported");
        else if (!seen.insert(*path).second)
          ++repeated;
        else
          items.push_back(*path);
      } else if (IsQti2(type, "test")) {
        if (testHref.empty() && path) testHref = *path;
      } else if (type.starts_with("imsqti_")) {
        report.Add(0, "resource " + href + " of type " + type + " is not a QTI 2 item: not imported");
      }
    }
    if (items.empty()) report.Add(0, "the package names no QTI 2 item");
    if (repeated > 0)
      report.Add(
          0, std::to_string(repeated) + " repeated references to items in the manifest: each item read once");
    TSections sections;
    if (!testHref.empty()) try {
        sections = ReadTest(document(testHref), testHref, test, report);
      } catch (const TFormatError& error) {
        report.Add(0, std::string(error.what()) + ": the test's settings not imported");
      }
    int number = 0;
    for (const std::string& href : items) {
      ++number;
      try {
        const std::size_t before = test.Questions.size();
        ReadItem(document(href), href, number, files, test, report);
        if (const auto filed = sections.Categories.find(href);
            test.Questions.size() > before && filed != sections.Categories.end())
          test.Questions.back().Category = filed->second;
      } catch (const TFormatError& error) {
        report.Add(number, std::string(error.what()) + ": not imported");
      }
    }
    FormatParts::ImportBlueprint(sections.Blueprint, test, report);
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup& lookup,
                    TLossReport& report) const override {
    std::vector<ZipArchive::TEntry> entries;
    std::vector<std::pair<std::string, std::vector<std::string>>> items;  // href, media hrefs
    std::vector<int> written;                                             // the question of each item
    std::map<std::string, std::string> mediaHrefs;                        // stored name -> package path
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      std::optional<std::string> mediaHref;
      if (!record.MediaFile.empty()) {
        if (const auto known = mediaHrefs.find(record.MediaFile); known != mediaHrefs.end()) {
          mediaHref = known->second;
        } else if (std::optional<TMediaFile> media = lookup ? lookup(record.MediaFile) : std::nullopt) {
          std::string href = "media/" + SafeFileName(media->Name);
          while (std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.Name == href; }))
            href.insert(6, "_");
          mediaHrefs[record.MediaFile] = href;
          entries.push_back({href, std::move(media->Bytes)});
          mediaHref = href;
        } else {
          report.Add(number, "media file " + record.MediaFile + " not found: not exported");
        }
      }
      const std::string href = "items/Q" + std::to_string(number) + ".xml";
      std::optional<std::string> item = WriteItem(record, number, mediaHref, report);
      if (!item) continue;
      entries.push_back({href, std::move(*item)});
      items.push_back({href, mediaHref ? std::vector<std::string>{*mediaHref} : std::vector<std::string>{}});
      written.push_back(number - 1);
    }
    entries.push_back({"test.xml", WriteTest(test, items, written, report)});
    entries.insert(entries.begin(), {"imsmanifest.xml", WriteManifest(items, mediaHrefs)});
    return ZipArchive::Write(entries);
  }

private:
  static std::string Identifier(std::string_view href) {
    std::string id;
    for (char c : href) id += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return "R_" + id;
  }

  // What a test's sections say of its items: the category each lies in, by
  // its path in the package, and the blueprint the sections' selections make.
  struct TSections {
    std::map<std::string, std::string> Categories;
    QuestionDraw::TBlueprint Blueprint;
  };

  // Whether section is the one section of its test part, which frames the
  // test rather than naming a category.
  static bool IsFrame(const pugi::xml_node& section) {
    return LocalName(section.parent()) == "testPart" &&
           Children(section.parent(), "assessmentSection").size() == 1;
  }

  // The categories of the items and the blueprint rows of the sections,
  // each section's category made from the one around it in one pass.
  static TSections SectionsOf(const pugi::xml_node& root, const std::string& href) {
    TSections sections;
    std::map<pugi::xml_node, std::string> filed;  // section -> its category
    std::map<pugi::xml_node, bool> framed;        // test part -> whether it holds one section
    const std::string none;
    for (const pugi::xml_node& node : DescendantsWhere(root, [](std::string_view name) {
           return name == "assessmentItemRef" || name == "assessmentSection";
         })) {
      const pugi::xml_node parent = node.parent();
      const auto outer = filed.find(parent);
      const std::string& around = outer == filed.end() ? none : outer->second;
      if (LocalName(node) == "assessmentItemRef") {
        if (const std::optional<std::string> path =
                Resolve(href, ExchangeText::PercentDecode(node.attribute("href").as_string())))
          sections.Categories.emplace(*path, around);
        continue;
      }
      bool frame = false;
      if (LocalName(parent) == "testPart") {
        const auto [part, fresh] = framed.try_emplace(parent, false);
        if (fresh) part->second = Children(parent, "assessmentSection").size() == 1;
        frame = part->second;
      }
      const std::string title = frame ? "" : FormatParts::CategoryOfPath(node.attribute("title").as_string());
      std::string category = around.empty() || title.empty() ? around + title : around + "/" + title;
      if (const pugi::xml_node selection = Child(node, "selection"); selection && !category.empty())
        sections.Blueprint.Rows.push_back({category, selection.attribute("select").as_int()});
      filed.emplace(node, std::move(category));
    }
    return sections;
  }

  static TSections ReadTest(std::string_view bytes, const std::string& href, TImportedTest& test,
                            TLossReport& report) {
    pugi::xml_document document;
    XmlParts::Parse(document, bytes, href + ": ");
    const pugi::xml_node root = Child(document, "assessmentTest");
    if (!root) throw TFormatError(href + ": no <assessmentTest>");
    test.Title = root.attribute("title").as_string();
    if (const pugi::xml_node limits = Child(root, "timeLimits"); limits.attribute("maxTime")) {
      const double seconds = limits.attribute("maxTime").as_double();
      if (seconds > 0 && seconds < 24 * 3600) {
        const int whole = static_cast<int>(seconds);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
        test.Settings.emplace_back(TestFile::Time, time);
      }
    }
    const pugi::xml_node section = Descendant(root, "assessmentSection");
    if (const pugi::xml_node ordering = Child(section, "ordering"))
      test.Settings.emplace_back(TestFile::RandomQuestions,
                                 ordering.attribute("shuffle").as_bool() ? "1" : "0");
    if (const pugi::xml_node selection = Child(section, "selection"); selection && IsFrame(section))
      test.Settings.emplace_back(TestFile::MaxQuestions,
                                 std::to_string(selection.attribute("select").as_uint()));
    // What the candidate reads before the first question is the begin
    // message; a rubric of a later section, or one after a question, is read
    // within the test, and one for another view is not the candidate's.
    bool before = true;
    for (const pugi::xml_node& part : section.children()) {
      if (LocalName(part) == "assessmentItemRef" || LocalName(part) == "assessmentSection") before = false;
      if (LocalName(part) == "rubricBlock") ReadRubric(part, before, test, report);
    }
    for (const pugi::xml_node& later :
         DescendantsWhere(root, [](std::string_view name) { return name == "rubricBlock"; }))
      if (later.parent() != section) ReadRubric(later, false, test, report);
    return SectionsOf(root, href);
  }

  static void ReadRubric(const pugi::xml_node& rubric, bool beforeTheTest, TImportedTest& test,
                         TLossReport& report) {
    const std::string_view view = rubric.attribute("view").as_string("candidate");
    if (view.find("candidate") == std::string_view::npos) {
      report.Add(0, "a rubric for the " + std::string(view) + " dropped");
      return;
    }
    if (!beforeTheTest) {
      report.Add(0, "a rubric shown within the test dropped: \"" +
                        FormatParts::ReplaceLineBreaks(TextOf(rubric), " ") + "\"");
      return;
    }
    std::ostringstream inner;
    for (const pugi::xml_node& child : rubric.children()) child.print(inner, "", pugi::format_raw);
    const ExchangeText::THtmlText read = XmlParts::ReadHtml(inner.str());
    for (const std::string& dropped : read.Dropped) report.Add(0, "begin message: " + dropped + " dropped");
    const std::string& text = read.Text;
    for (std::size_t begin = 0;;) {
      const std::size_t end = text.find("\r\n", begin);
      test.BeginMessage.push_back(text.substr(begin, end == std::string::npos ? end : end - begin));
      if (end == std::string::npos) break;
      begin = end + 2;
    }
  }

  // One item on its own, outside a package: its media cannot travel with it.
  static TImportedTest ReadBareItem(std::string_view bytes, TLossReport& report) {
    pugi::xml_document document;
    XmlParts::Parse(document, bytes);
    if (!Child(document, "assessmentItem"))
      throw TFormatError("neither a QTI content package (a .zip) nor a QTI item");
    TImportedTest test;
    ReadItem(document, "", 1, {}, test, report);
    return test;
  }

  static void ReadItem(std::string_view bytes, const std::string& href, int number,
                       const std::map<std::string, std::string>& files, TImportedTest& test,
                       TLossReport& report) {
    pugi::xml_document document;
    XmlParts::Parse(document, bytes, href + ": ");
    ReadItem(document, href, number, files, test, report);
  }

  // The response identifiers the item's processing scores: RESPONSE under a
  // standard template, otherwise those its expressions name.
  static std::set<std::string> ScoredResponses(const pugi::xml_node& item) {
    const pugi::xml_node processing = Child(item, "responseProcessing");
    if (!processing) return {};
    if (processing.attribute("template") || processing.attribute("templateLocation")) return {"RESPONSE"};
    std::set<std::string> scored;
    for (const pugi::xml_node& node : DescendantsWhere(processing, [](std::string_view name) {
           return name == "mapResponse" || name == "correct" || name == "variable";
         }))
      scored.insert(node.attribute("identifier").as_string());
    return scored;
  }

  // The choice interaction the item is scored by, the first one when the
  // processing does not tell. Every other interaction is reported and taken
  // out of the body, so that none of its text joins the question's.
  static pugi::xml_node ScoredInteraction(const pugi::xml_node& item, const pugi::xml_node& body, int number,
                                          TLossReport& report) {
    const std::vector<pugi::xml_node> all =
        DescendantsWhere(body, [](std::string_view name) { return name.ends_with("Interaction"); });
    const std::set<std::string> scored = ScoredResponses(item);
    pugi::xml_node chosen;
    for (const pugi::xml_node& interaction : all)
      if (LocalName(interaction) == "choiceInteraction" &&
          (!chosen || (!scored.contains(chosen.attribute("responseIdentifier").as_string()) &&
                       scored.contains(interaction.attribute("responseIdentifier").as_string()))))
        chosen = interaction;
    if (!chosen) return chosen;
    for (const pugi::xml_node& interaction : all) {
      if (interaction == chosen) continue;
      report.Add(number, std::string(LocalName(interaction)) + " " +
                             interaction.attribute("responseIdentifier").as_string() +
                             " left out: a question holds one choice interaction");
      interaction.parent().remove_child(interaction);
    }
    return chosen;
  }

  static void ReadItem(pugi::xml_document& document, const std::string& href, int number,
                       const std::map<std::string, std::string>& files, TImportedTest& test,
                       TLossReport& report) {
    const pugi::xml_node item = Child(document, "assessmentItem");
    const pugi::xml_node body = Child(item, "itemBody");
    // Feedback is shown once answered and often names the right answer: it
    // is never part of a question's or an answer's text.
    const std::vector<pugi::xml_node> feedback = DescendantsWhere(
        body, [](std::string_view name) { return name == "feedbackInline" || name == "feedbackBlock"; });
    for (const pugi::xml_node& node : feedback)
      if (node.parent()) node.parent().remove_child(node);
    const pugi::xml_node interaction = ScoredInteraction(item, body, number, report);
    if (!interaction) {
      report.Add(number, "not a choice interaction: not imported");
      return;
    }
    const std::vector<pugi::xml_node> choices = Children(interaction, "simpleChoice");
    if (choices.size() > FormatParts::AnswerCount) {
      report.Add(number, std::to_string(choices.size()) + " answers, only 6 fit: not imported");
      return;
    }
    QuestionRecord record;
    // The prompt is the item body before the interaction plus the
    // interaction's own prompt, each part a block of its own, read as one so
    // that an empty paragraph between two parts stays a blank line.
    std::ostringstream html;
    for (const pugi::xml_node& part : body.children()) {
      if (part == interaction || Descendant(part, "choiceInteraction")) break;
      html << "<div>";
      part.print(html, "", pugi::format_raw);
      html << "</div>";
    }
    if (const pugi::xml_node prompt = Child(interaction, "prompt")) {
      html << "<div>";
      for (const pugi::xml_node& child : prompt.children()) child.print(html, "", pugi::format_raw);
      html << "</div>";
    }
    const ExchangeText::THtmlText question = XmlParts::ReadHtml(html.str());
    record.Question = question.Text;
    for (const std::string& note : ExchangeText::FlatteningNotes(question.Table, question.Scripts))
      report.Add(number, note);

    // Media: the first <img>, <object> or included picture in the body.
    std::vector<std::string> shown;
    for (const pugi::xpath_node& found :
         body.select_nodes(".//*[local-name()='img' or local-name()='object' or local-name()='include']")) {
      const pugi::xml_node node = found.node();
      const std::string_view kind = LocalName(node);
      const std::string ref = ExchangeText::PercentDecode(node.attribute(kind == "img"      ? "src"
                                                                         : kind == "object" ? "data"
                                                                                            : "href")
                                                              .as_string());
      if (ref.empty()) continue;
      if (kind == "include" && !XmlParts::IsImage(ref))
        report.Add(number, "included content " + ref + " dropped");
      else
        shown.push_back(ref);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const std::string name =
          shown[i].substr(shown[i].rfind('/') == std::string::npos ? 0 : shown[i].rfind('/') + 1);
      if (i > 0) {
        report.Add(number, "media file " + name + " dropped: a question holds one");
        continue;
      }
      const std::optional<std::string> path = Resolve(href, shown[i]);
      const auto file = path ? files.find(*path) : files.end();
      if (file == files.end()) {
        record.MediaFile = name;
        report.Add(number, "media file " + name + " is not in the package");
      } else {
        record.MediaFile = test.AddMedia(number, name, file->second, report);
      }
    }

    std::map<std::string, char> letters;
    for (std::size_t i = 0; i < choices.size(); ++i) {
      record.Answer(static_cast<int>(i)) = TextOf(choices[i]);
      letters[choices[i].attribute("identifier").as_string()] = static_cast<char>('A' + i);
    }
    const std::string responseId = interaction.attribute("responseIdentifier").as_string();
    pugi::xml_node declaration;
    for (const pugi::xml_node& candidate : Children(item, "responseDeclaration"))
      if (responseId == candidate.attribute("identifier").as_string()) declaration = candidate;
    std::string correct;
    for (const pugi::xml_node& value : Children(Child(declaration, "correctResponse"), "value"))
      if (const auto letter = letters.find(std::string(FormatParts::Trim(value.text().get())));
          letter != letters.end())
        correct += letter->second;
    std::sort(correct.begin(), correct.end());
    correct.erase(std::unique(correct.begin(), correct.end()), correct.end());
    record.Correct = correct;

    const TScoring scoring = ScoringOf(item);
    const pugi::xml_node mapping = Child(declaration, "mapping");
    if (scoring == TScoring::Map && mapping) {
      const bool single = std::string_view(declaration.attribute("cardinality").as_string()) == "single" ||
                          interaction.attribute("maxChoices").as_int(0) == 1;
      const Credit::TRule rule =
          Credit::RuleOf(MappedCredits(mapping, choices, single, ScoreCap(item)), single);
      record.Correct = rule.Correct;
      record.AnyCorrectPasses = rule.AnyCorrectPasses;
      for (const std::string& note : rule.Notes) report.Add(number, note);
      if (!correct.empty() && correct != rule.Correct)
        report.Add(number, "the correct response (" + correct + ") and the scoring (" +
                               (rule.Correct.empty() ? std::string("none") : rule.Correct) +
                               ") disagree: the scoring's key taken");
    } else if (scoring == TScoring::Unknown && correct.size() > 1) {
      report.Add(number, "scoring rules not read: every value of the correct response wanted");
    }
    if (record.Correct.empty()) report.Add(number, "no correct response: no correct letter");
    if (Child(item, "modalFeedback") || !feedback.empty()) report.Add(number, "feedback dropped");
    if (Descendant(body, "math")) report.Add(number, "MathML formula flattened to plain text");
    test.Questions.push_back(std::move(record));
  }

  enum class TScoring { Match, Map, Unknown };

  // How an item scores: by one of the standard templates, or by processing
  // written out that maps the response or matches it against the correct one.
  static TScoring ScoringOf(const pugi::xml_node& item) {
    const pugi::xml_node processing = Child(item, "responseProcessing");
    if (!processing) return TScoring::Match;
    std::string_view rules = processing.attribute("template").as_string();
    if (rules.empty()) rules = processing.attribute("templateLocation").as_string();
    if (rules.ends_with(".xml")) rules.remove_suffix(4);
    if (rules.ends_with("map_response")) return TScoring::Map;
    if (rules.ends_with("match_correct")) return TScoring::Match;
    if (!rules.empty()) return TScoring::Unknown;
    const std::vector<pugi::xml_node> maps = Descendants(processing, "mapResponse");
    // Mapped only where the response matches the correct one: the mapping
    // adds nothing to the all-or-nothing match.
    if (!maps.empty() && !std::all_of(maps.begin(), maps.end(), IsUnderMatchCorrect)) return TScoring::Map;
    if (Descendant(processing, "match") && Descendant(processing, "correct")) return TScoring::Match;
    return TScoring::Unknown;
  }

  // Whether node is set only in a branch whose condition is a match against
  // the correct response.
  static bool IsUnderMatchCorrect(const pugi::xml_node& node) {
    for (pugi::xml_node at = node.parent(); at && LocalName(at) != "responseProcessing"; at = at.parent()) {
      const std::string_view name = LocalName(at);
      if (name != "responseIf" && name != "responseElseIf") continue;
      const pugi::xml_node condition = FirstElement(at);
      if (LocalName(condition) == "match" && Descendant(condition, "correct")) return true;
    }
    return false;
  }

  // A value of the processing: a base value, or an outcome's default.
  static std::optional<double> ValueOf(const pugi::xml_node& item, const pugi::xml_node& expression) {
    if (LocalName(expression) == "baseValue") return expression.text().as_double();
    if (LocalName(expression) != "variable") return std::nullopt;
    const std::string_view id = expression.attribute("identifier").as_string();
    for (const pugi::xml_node& outcome : Children(item, "outcomeDeclaration"))
      if (id == outcome.attribute("identifier").as_string())
        if (const pugi::xml_node value = Child(Child(outcome, "defaultValue"), "value"))
          return value.text().as_double();
    return std::nullopt;
  }

  // The most the processing lets SCORE reach where it holds it down, as in
  // "if SCORE > MAXSCORE, SCORE = MAXSCORE"; infinity where it does not.
  static double ScoreCap(const pugi::xml_node& item) {
    double cap = std::numeric_limits<double>::infinity();
    const auto isScore = [](const pugi::xml_node& node) {
      return LocalName(node) == "variable" &&
             std::string_view(node.attribute("identifier").as_string()) == "SCORE";
    };
    for (const pugi::xml_node& branch : DescendantsWhere(
             Child(item, "responseProcessing"),
             [](std::string_view name) { return name == "responseIf" || name == "responseElseIf"; })) {
      const pugi::xml_node condition = FirstElement(branch);
      if (LocalName(condition) != "gt" && LocalName(condition) != "gte") continue;
      const pugi::xml_node left = FirstElement(condition);
      const pugi::xml_node right = left.next_sibling();
      if (!isScore(left)) continue;
      const pugi::xml_node set = Child(branch, "setOutcomeValue");
      const pugi::xml_node to = FirstElement(set);
      if (std::string_view(set.attribute("identifier").as_string()) != "SCORE" ||
          LocalName(to) != LocalName(right) ||
          std::string_view(to.attribute("identifier").as_string()) !=
              right.attribute("identifier").as_string())
        continue;
      if (const std::optional<double> value = ValueOf(item, right)) cap = std::min(cap, *value);
    }
    return cap;
  }

  // What each choice earns alone under a mapping, as a share of the most the
  // item gives: the bounded sum of the choices worth something, or with one
  // choice allowed the best of them. The mapping's upper bound and the cap
  // the processing puts on the score both bound it.
  static std::vector<double> MappedCredits(const pugi::xml_node& mapping,
                                           const std::vector<pugi::xml_node>& choices, bool single,
                                           double cap) {
    const double fallback = mapping.attribute("defaultValue").as_double(0);
    const double upper =
        std::min(cap, mapping.attribute("upperBound").as_double(std::numeric_limits<double>::infinity()));
    std::vector<double> values;
    for (const pugi::xml_node& choice : choices) {
      const std::string_view id = choice.attribute("identifier").as_string();
      double value = fallback;
      for (const pugi::xml_node& entry : Children(mapping, "mapEntry"))
        if (id == entry.attribute("mapKey").as_string()) value = entry.attribute("mappedValue").as_double(0);
      values.push_back(std::min(value, upper));
    }
    double most = 0;
    for (double value : values) most = single ? std::max(most, value) : most + std::max(value, 0.0);
    most = std::min(most, upper);
    std::vector<double> credits;
    for (double value : values) credits.push_back(most > 0 ? value / most : 0);
    return credits;
  }

  static std::optional<std::string> WriteItem(const QuestionRecord& record, int number,
                                              const std::optional<std::string>& mediaHref,
                                              TLossReport& report) {
    // An empty answer between two others is no choice: players would show
    // a blank one. Each choice keeps its letter as identifier.
    const int answers = FormatParts::OfferedAnswers(record).Count;
    const std::string correct = FormatParts::CorrectLetters(record);
    if (answers == 0) {
      report.Add(number, "no answers, a choice interaction needs one: not exported");
      return std::nullopt;
    }
    if (!record.HotLink.empty()) report.Add(number, "hot link dropped");
    FormatParts::ReportUncarriedPlace(number, record, {.Category = true}, report);
    if (!record.Reference.empty()) report.Add(number, "reference dropped");

    pugi::xml_document document;
    pugi::xml_node item = StartDocument(document, "assessmentItem", QtiNamespace, QtiSchema);
    item.append_attribute("identifier") = ("Q" + std::to_string(number)).c_str();
    std::string title = record.Question.substr(0, record.Question.find_first_of("\r\n"));
    if (title.empty()) title = "Question " + std::to_string(number);
    item.append_attribute("title") = title.c_str();
    item.append_attribute("adaptive") = "false";
    item.append_attribute("timeDependent") = "false";

    const bool any = correct.size() > 1 && record.AnyCorrectPasses;
    pugi::xml_node response = item.append_child("responseDeclaration");
    response.append_attribute("identifier") = "RESPONSE";
    response.append_attribute("cardinality") = correct.size() > 1 ? "multiple" : "single";
    response.append_attribute("baseType") = "identifier";
    if (!correct.empty()) {
      pugi::xml_node values = response.append_child("correctResponse");
      for (char letter : correct) values.append_child("value").text() = std::string(1, letter).c_str();
    }
    if (any) {
      // Each correct choice alone earns the whole score, and a wrong one
      // costs as much as every correct one earns, so that it cancels them.
      pugi::xml_node mapping = response.append_child("mapping");
      mapping.append_attribute("lowerBound") = "0";
      mapping.append_attribute("upperBound") = "1";
      mapping.append_attribute("defaultValue") = -static_cast<int>(correct.size());
      for (char letter : correct) {
        pugi::xml_node entry = mapping.append_child("mapEntry");
        entry.append_attribute("mapKey") = std::string(1, letter).c_str();
        entry.append_attribute("mappedValue") = "1";
      }
    }
    pugi::xml_node outcome = item.append_child("outcomeDeclaration");
    outcome.append_attribute("identifier") = "SCORE";
    outcome.append_attribute("cardinality") = "single";
    outcome.append_attribute("baseType") = "float";
    outcome.append_child("defaultValue").append_child("value").text() = "0";

    pugi::xml_node body = item.append_child("itemBody");
    pugi::xml_node interaction = body.append_child("choiceInteraction");
    interaction.append_attribute("responseIdentifier") = "RESPONSE";
    interaction.append_attribute("shuffle") = "false";
    interaction.append_attribute("maxChoices") = correct.size() > 1 ? "0" : "1";
    pugi::xml_node prompt = interaction.append_child("prompt");
    AppendLines(prompt, record.Question);
    if (mediaHref) {
      const std::string src = "../" + ExchangeText::PercentEncode(*mediaHref, "/");
      const std::string name = mediaHref->substr(6);
      if (!record.Question.empty()) prompt.append_child("br");
      if (XmlParts::IsImage(name)) {
        pugi::xml_node img = prompt.append_child("img");
        img.append_attribute("src") = src.c_str();
        img.append_attribute("alt") = name.c_str();
      } else {
        pugi::xml_node object = prompt.append_child("object");
        object.append_attribute("data") = src.c_str();
        object.append_attribute("type") = MimeType(name).c_str();
      }
    }
    for (int i = 0; i < answers; ++i) {
      if (record.Answer(i).empty()) continue;
      pugi::xml_node choice = interaction.append_child("simpleChoice");
      choice.append_attribute("identifier") = std::string(1, static_cast<char>('A' + i)).c_str();
      AppendLines(choice, record.Answer(i));
    }
    item.append_child("responseProcessing").append_attribute("template") = any ? MapResponse : MatchCorrect;
    return XmlParts::Serialize(document);
  }

  // A section of section, holding what is filed under category.
  static pugi::xml_node AddSection(pugi::xml_node section, const std::string& category, int& sections) {
    pugi::xml_node child = section.append_child("assessmentSection");
    child.append_attribute("identifier") = ("S" + std::to_string(++sections)).c_str();
    child.append_attribute("title") = category.c_str();
    child.append_attribute("visible") = "false";
    return child;
  }

  static void AddItemRef(pugi::xml_node section, const std::string& href) {
    pugi::xml_node ref = section.append_child("assessmentItemRef");
    ref.append_attribute("identifier") = href.substr(6, href.size() - 10).c_str();
    ref.append_attribute("href") = href.c_str();
  }

  // The items in section: each run of one category in a section of its own
  // titled by it; with a blueprint, each line's questions in a section
  // selecting as many as the line asks.
  static void WriteItemRefs(pugi::xml_node section, const QuestionDraw::TBlueprint& blueprint,
                            const TExportedTest& test,
                            const std::vector<std::pair<std::string, std::vector<std::string>>>& items,
                            const std::vector<int>& written, TLossReport& report) {
    const std::vector<QuestionRecord>& questions = test.Contents.Questions;
    int sections = 0;
    if (blueprint.Empty()) {
      pugi::xml_node run = section;
      std::string current;
      for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& category = questions[static_cast<std::size_t>(written[i])].Category;
        if (category != current) run = category.empty() ? section : AddSection(section, category, sections);
        current = category;
        AddItemRef(run, items[i].first);
      }
      return;
    }
    FormatParts::ReportUnheldRows(blueprint, "QTI", true, report);
    const QuestionDraw::TBank bank(blueprint, questions);
    std::vector<bool> drawn(questions.size(), false);
    for (int row = 0; row < bank.Rows(); ++row) {
      const QuestionDraw::TRow& line = blueprint.Rows[static_cast<std::size_t>(row)];
      pugi::xml_node pool = AddSection(section, line.Category, sections);
      pool.append_child("selection").append_attribute("select") = line.Count;
      for (int index : bank.Pool(row)) drawn[static_cast<std::size_t>(index)] = true;
      for (std::size_t i = 0; i < items.size(); ++i) {
        const int index = written[i];
        const std::vector<int>& members = bank.Pool(row);
        if (!std::binary_search(members.begin(), members.end(), index)) continue;
        AddItemRef(pool, items[i].first);
        const std::string& category = questions[static_cast<std::size_t>(index)].Category;
        if (category != line.Category)
          report.Add(index + 1, "category \"" + category + "\" filed as \"" + line.Category +
                                    "\", the section its blueprint line draws from");
      }
    }
    for (int index : written)
      if (!drawn[static_cast<std::size_t>(index)])
        report.Add(index + 1, "no blueprint line draws it: in the package, but not in the test");
  }

  static std::string WriteTest(const TExportedTest& test,
                               const std::vector<std::pair<std::string, std::vector<std::string>>>& items,
                               const std::vector<int>& written, TLossReport& report) {
    const TTestContents& contents = test.Contents;
    pugi::xml_document document;
    pugi::xml_node root = StartDocument(document, "assessmentTest", QtiNamespace, QtiSchema);
    root.append_attribute("identifier") = "TEST";
    root.append_attribute("title") = test.Description.empty() ? "Test" : test.Description.c_str();
    if (const std::optional<int> seconds = Seconds(Setting(contents, TestFile::Time)))
      root.append_child("timeLimits").append_attribute("maxTime") = *seconds;
    pugi::xml_node part = root.append_child("testPart");
    part.append_attribute("identifier") = "PART";
    part.append_attribute("navigationMode") = "linear";
    part.append_attribute("submissionMode") = "individual";
    pugi::xml_node section = part.append_child("assessmentSection");
    section.append_attribute("identifier") = "SECTION";
    section.append_attribute("title") = "Questions";
    section.append_attribute("visible") = "true";
    // With a blueprint the number of questions is the blueprint's.
    const QuestionDraw::TBlueprint blueprint = FormatParts::BlueprintOf(contents);
    const long long max = std::atoll(Setting(contents, TestFile::MaxQuestions).value_or("0").c_str());
    if (max > 0 && blueprint.Empty()) section.append_child("selection").append_attribute("select") = max;
    section.append_child("ordering").append_attribute("shuffle") =
        Setting(contents, TestFile::RandomQuestions).value_or("0") == "1";
    if (!contents.BeginMessage.empty()) {
      pugi::xml_node rubric = section.append_child("rubricBlock");
      rubric.append_attribute("view") = "candidate";
      for (const std::string& line : contents.BeginMessage) AppendLines(rubric.append_child("p"), line);
    }
    if (!contents.EndMessage.empty()) report.Add(0, "end message dropped");
    if (const std::string keys = FormatParts::UncarriedSettings(
            contents, {TestFile::Time, TestFile::RandomQuestions, TestFile::MaxQuestions,
                       blueprint.Empty() ? TestFile::MaxQuestions : TestFile::Blueprint});
        !keys.empty())
      report.Add(0, "settings not carried: " + keys);
    WriteItemRefs(section, blueprint, test, items, written, report);
    return XmlParts::Serialize(document);
  }

  static std::string WriteManifest(const std::vector<std::pair<std::string, std::vector<std::string>>>& items,
                                   const std::map<std::string, std::string>& media) {
    pugi::xml_document document;
    pugi::xml_node manifest = StartDocument(document, "manifest", CpNamespace, CpSchema);
    manifest.append_attribute("identifier") = "MANIFEST";
    pugi::xml_node metadata = manifest.append_child("metadata");
    metadata.append_child("schema").text() = "QTIv2.1 Package";
    metadata.append_child("schemaversion").text() = "1.0.0";
    manifest.append_child("organizations");
    pugi::xml_node resources = manifest.append_child("resources");
    const auto addResource = [&](const char* type, const std::string& href) {
      pugi::xml_node resource = resources.append_child("resource");
      resource.append_attribute("identifier") = Identifier(href).c_str();
      resource.append_attribute("type") = type;
      resource.append_attribute("href") = ExchangeText::PercentEncode(href, "/").c_str();
      resource.append_child("file").append_attribute("href") = ExchangeText::PercentEncode(href, "/").c_str();
      return resource;
    };
    pugi::xml_node testResource = addResource(TestType, "test.xml");
    for (const auto& [href, files] : items) {
      testResource.append_child("dependency").append_attribute("identifierref") = Identifier(href).c_str();
      pugi::xml_node resource = addResource(ItemType, href);
      for (const std::string& file : files)
        resource.append_child("dependency").append_attribute("identifierref") = Identifier(file).c_str();
    }
    for (const auto& [stored, href] : media) addResource("webcontent", href);
    return XmlParts::Serialize(document);
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeQtiFormat() {
  return std::make_unique<TQtiFormat>();
}
