#include "core/exchange/MoodleXml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <pugixml.hpp>
#include <set>

#include "core/exchange/Credit.h"
#include "core/exchange/ExchangeText.h"
#include "core/exchange/FormatParts.h"
#include "core/exchange/XmlParts.h"

namespace {

constexpr std::string_view PluginFile = "@@PLUGINFILE@@/";

std::string Base64Encode(std::string_view bytes) {
  static constexpr char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += {Digits[v >> 18], Digits[v >> 12 & 63], Digits[v >> 6 & 63], Digits[v & 63]};
  }
  if (i + 1 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    out += {Digits[v >> 18], Digits[v >> 12 & 63], '=', '='};
  } else if (i + 2 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1])
                                                                        << 8;
    out += {Digits[v >> 18], Digits[v >> 12 & 63], Digits[v >> 6 & 63], '='};
  }
  return out;
}

// Blanks and line breaks are skipped; any other stray character makes the
// whole text unreadable (nothing).
std::optional<std::string> Base64Decode(std::string_view text) {
  std::string out;
  unsigned value = 0;
  int bits = 0;
  for (char c : text) {
    int digit;
    if (c >= 'A' && c <= 'Z')
      digit = c - 'A';
    else if (c >= 'a' && c <= 'z')
      digit = c - 'a' + 26;
    else if (c >= '0' && c <= '9')
      digit = c - '0' + 52;
    else if (c == '+')
      digit = 62;
    else if (c == '/')
      digit = 63;
    else if (c == '=' || c == ' ' || c == '\r' || c == '\n' || c == '\t')
      continue;
    else
      return std::nullopt;
    value = (value << 6 | static_cast<unsigned>(digit)) & 0xFFFFFF;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>(value >> bits & 0xFF);
    }
  }
  return out;
}

// Reads the text elements of one question (<questiontext>, <answer>, ...) as
// plain text, and keeps what the report must say about them.
class TTextReader {
public:
  // The element's <text> child, as plain text when the element's format is
  // HTML or the text looks like it.
  std::string operator()(const pugi::xml_node& element) {
    std::string raw = element.child("text").text().get();
    const std::string format = element.attribute("format").as_string("html");
    if (format == "plain_text" || (format != "html" && !ExchangeText::LooksLikeHtml(raw)))
      return ExchangeText::WithCrLf(raw);
    // Moodle's own text format shows each line break.
    if (format == "moodle_auto_format") raw = FormatParts::ReplaceLineBreaks(raw, "<br>");
    Formula = Formula || XmlParts::HoldsMathMl(raw);
    ExchangeText::THtmlText read = XmlParts::ReadHtml(XmlParts::EscapeBareLessThan(raw, Repaired));
    // The question's own files are its media, reported where they are read.
    for (std::string& dropped : read.Dropped)
      if (dropped.find(PluginFile) == std::string::npos) Dropped.push_back(std::move(dropped));
    Table = Table || read.Table;
    Scripts = Scripts || read.Scripts;
    return std::move(read.Text);
  }

  void Report(int number, TLossReport& report) const {
    if (Repaired) report.Add(number, "'<' that opens no HTML tag kept as text");
    if (Formula) report.Add(number, "MathML formula flattened to plain text");
    for (const std::string& dropped : Dropped) report.Add(number, dropped + " dropped");
    for (const std::string& note : ExchangeText::FlatteningNotes(Table, Scripts)) report.Add(number, note);
  }

private:
  bool Repaired = false;
  bool Formula = false;
  bool Table = false;
  bool Scripts = false;
  std::vector<std::string> Dropped;
};

// The @@PLUGINFILE@@ names a text refers to, in order of appearance.
// Linear in the text, however many references it holds.
std::vector<std::string> PluginFileNames(std::string_view raw) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (std::size_t at = raw.find(PluginFile); at != std::string_view::npos;
       at = raw.find(PluginFile, at + 1)) {
    const std::size_t begin = at + PluginFile.size();
    const std::size_t end = raw.find_first_of("\"' >?#", begin);
    std::string name =
        ExchangeText::PercentDecode(raw.substr(begin, end == std::string_view::npos ? end : end - begin));
    if (const auto slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
    if (!name.empty() && seen.insert(name).second) names.push_back(std::move(name));
    if (end == std::string_view::npos) break;  // the last name runs to the end of the text
  }
  return names;
}

std::string Describe(std::string_view type) {
  if (type == "truefalse") return "a true/false question";
  if (type == "shortanswer") return "a short-answer question";
  if (type == "essay") return "an essay question";
  if (type == "matching") return "a matching question";
  if (type == "numerical") return "a numerical question";
  return "a question of type \"" + std::string(type) + "\"";
}

// Fractions over the correct answers summing to exactly 100, as the importer
// checks them: 100/k with five decimals, the last one taking the remainder.
std::vector<std::string> SharedFractions(int correct) {
  std::vector<std::string> out;
  long long left = 10'000'000;  // 100 in units of 1e-5
  const long long each = (10'000'000 + correct / 2) / correct;
  for (int i = 0; i < correct; ++i) {
    const long long value = i + 1 == correct ? left : each;
    left -= value;
    char text[32];
    if (value % 100'000 == 0)
      std::snprintf(text, sizeof text, "%lld", value / 100'000);
    else
      std::snprintf(text, sizeof text, "%lld.%05lld", value / 100'000, value % 100'000);
    out.emplace_back(text);
  }
  return out;
}

void AddText(pugi::xml_node parent, const char* name, std::string_view html, bool cdata) {
  pugi::xml_node element = parent.append_child(name);
  if (cdata) element.append_attribute("format") = "html";
  pugi::xml_node text = element.append_child("text");
  if (!html.empty())
    text.append_child(cdata ? pugi::node_cdata : pugi::node_pcdata).set_value(std::string(html).c_str());
}

// The first words of the question, for the bank's list of names.
std::string ShortName(std::string_view question) {
  std::string name = ExchangeText::WithCrLf(question);
  std::replace(name.begin(), name.end(), '\r', ' ');
  name.erase(std::remove(name.begin(), name.end(), '\n'), name.end());
  if (name.size() > 60) {
    std::size_t cut = 60;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
      --cut;  // never in the middle of a UTF-8 sequence
    name.resize(cut);
  }
  return name;
}

void AddCategory(pugi::xml_node quiz, const std::string& path) {
  pugi::xml_node category = quiz.append_child("question");
  category.append_attribute("type") = "category";
  AddText(category, "category", path, false);
}

bool IsCategory(const pugi::xml_node& question) {
  return std::string_view(question.attribute("type").as_string()) == "category";
}

class TMoodleXmlFormat : public TQuestionFormat {
public:
  std::string_view Name() const override { return "moodle"; }
  std::string_view Filter() const override { return "Moodle XML Files (*.xml)|*.xml"; }
  std::string_view DefaultExtension() const override { return "xml"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    pugi::xml_document document;
    XmlParts::Parse(document, bytes);
    const pugi::xml_node quiz = document.child("quiz");
    if (!quiz) throw TFormatError("line 1: no <quiz> element");

    TImportedTest test;
    // Categories are paths such as "$course$/top/Geography"; the first one's
    // last part names the test, and each files the questions after it unless
    // it is the only one and stands before them all.
    int lines = 0;
    for (const pugi::xml_node& question : quiz.children("question")) lines += IsCategory(question) ? 1 : 0;
    const bool filing = FormatParts::FilesByCategory(lines, IsCategory(quiz.child("question")));
    std::string category;
    QuestionDraw::TBlueprint drawn;  // the random questions, by category
    bool named = false;
    int number = 0;
    for (const pugi::xml_node& question : quiz.children("question")) {
      const std::string type = question.attribute("type").as_string();
      if (IsCategory(question)) {
        const char* path = question.child("category").child("text").text().get();
        if (!named) {
          const std::vector<std::string> parts = FormatParts::CategoryParts(path);
          test.Title = parts.empty() ? "" : parts.back();
          named = true;
        }
        if (filing) category = FormatParts::CategoryOfPath(path);
        continue;
      }
      ++number;
      if (type == "random" && !category.empty()) {
        const auto row = std::find_if(drawn.Rows.begin(), drawn.Rows.end(),
                                      [&](const QuestionDraw::TRow& r) { return r.Category == category; });
        ++(row == drawn.Rows.end() ? drawn.Rows.emplace_back(QuestionDraw::TRow{category, 0}) : *row).Count;
        continue;
      }
      if (type != "multichoice" && type != "multichoiceset") {
        report.Add(number, Describe(type) + " is not multiple choice: not imported");
        continue;
      }
      if (ReadQuestion(question, number, test, report)) test.Questions.back().Category = category;
    }
    FormatParts::ImportBlueprint(drawn, test, report);
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup& lookup,
                    TLossReport& report) const override {
    pugi::xml_document document;
    pugi::xml_node quiz = XmlParts::StartDocument(document, "quiz");
    if (!test.Description.empty()) AddCategory(quiz, "$course$/top/" + test.Description);
    const QuestionDraw::TBlueprint blueprint = FormatParts::BlueprintOf(test.Contents);
    if (blueprint.Empty())
      FormatParts::ReportUncarriedTest(test, "Moodle XML", true, report);
    else
      FormatParts::ReportUncarriedTest(test, "Moodle XML", true, report, {TestFile::Blueprint});

    FormatParts::TCategoryLines categories(test.Contents.Questions, !test.Description.empty());
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      if (!FormatParts::OfferedAnswers(record).Correct.empty())
        for (const std::string& path : categories.Before(record.Category)) AddCategory(quiz, path);
      WriteQuestion(quiz, record, ++number, lookup, report);
    }
    // A blueprint line is as many random questions of its category, each
    // drawing from the categories under it too.
    FormatParts::ReportUnheldRows(blueprint, "Moodle XML", false, report);
    for (const QuestionDraw::TRow& row : blueprint.Rows) {
      AddCategory(quiz, FormatParts::CoursePath(row.Category));
      for (int i = 0; i < row.Count; ++i) {
        pugi::xml_node random = quiz.append_child("question");
        random.append_attribute("type") = "random";
        AddText(random, "name", "Random (" + row.Category + ")", false);
        pugi::xml_node text = random.append_child("questiontext");
        text.append_attribute("format") = "html";
        text.append_child("text").text() = "1";
        AddText(random, "generalfeedback", "", true);
        random.append_child("defaultgrade").text() = "1";
        random.append_child("penalty").text() = "0";
        random.append_child("hidden").text() = "0";
      }
    }

    return XmlParts::Serialize(document);
  }

private:
  static bool ReadQuestion(const pugi::xml_node& question, int number, TImportedTest& test,
                           TLossReport& report) {
    std::vector<pugi::xml_node> answers;
    for (const pugi::xml_node& answer : question.children("answer")) answers.push_back(answer);
    if (answers.size() > FormatParts::AnswerCount) {
      report.Add(number, std::to_string(answers.size()) + " answers, only 6 fit: not imported");
      return false;
    }
    TTextReader read;
    QuestionRecord record;
    const pugi::xml_node text = question.child("questiontext");
    record.Question = read(text);
    // A link to a file that is not an image shows the file's name; that name
    // is the media, not part of the question.
    const std::vector<std::string> names = PluginFileNames(text.child("text").text().get());
    for (const std::string& name : names) {
      const std::string shownName = "\r\n" + name;
      if (record.Question.ends_with(shownName))
        record.Question.resize(record.Question.size() - shownName.size());
      else if (record.Question == name)
        record.Question.clear();
    }

    // The files the question shows, with the element holding each one's
    // bytes; the first becomes the question's media.
    std::vector<std::pair<std::string, pugi::xml_node>> shown;
    for (const std::string& name : names) shown.emplace_back(name, pugi::xml_node());
    if (!shown.empty())
      shown[0].second = text.find_child_by_attribute("file", "name", shown[0].first.c_str());
    // Before Moodle 2 a question's picture stood apart from its text.
    if (const std::string_view image = FormatParts::Trim(question.child_value("image")); !image.empty())
      shown.emplace_back(std::string(image.substr(image.find_last_of("/\\") + 1)),
                         question.child("image_base64"));
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const auto& [name, file] = shown[i];
      if (i > 0) {
        report.Add(number, "media file " + name + " dropped: a question holds one");
        continue;
      }
      record.MediaFile = name;
      if (FormatParts::Trim(file.text().get()).empty()) {
        report.Add(number, "media file " + name + " is not in the file");
        continue;
      }
      std::optional<std::string> bytes = Base64Decode(file.text().get());
      if (!bytes)
        throw TFormatError("question " + std::to_string(number) + ": file " + name + " is not base64");
      record.MediaFile = test.AddMedia(number, name, std::move(*bytes), report);
    }

    // Fractions to letters and rule. Without <single>, one answer is chosen;
    // Moodle takes "false", "0" and nothing as several.
    const pugi::xml_node singleNode = question.child("single");
    const std::string_view singleText = FormatParts::Trim(singleNode.text().get());
    const bool single = !singleNode || !(singleText == "false" || singleText == "0" || singleText.empty());
    std::vector<double> credits;
    bool feedback = false;
    for (std::size_t i = 0; i < answers.size(); ++i) {
      record.Answer(static_cast<int>(i)) = read(answers[i]);
      credits.push_back(answers[i].attribute("fraction").as_double(0) / 100);
      if (!read(answers[i].child("feedback")).empty()) feedback = true;
      if (!PluginFileNames(answers[i].child("text").text().get()).empty())
        report.Add(number, std::string("media in answer ") + static_cast<char>('A' + i) + " dropped");
    }
    // The all-or-nothing type gives full marks for exactly the answers with
    // credit, as our "all" rule does.
    Credit::TRule rule;
    if (std::string_view(question.attribute("type").as_string()) == "multichoiceset")
      for (std::size_t i = 0; i < credits.size(); ++i) {
        if (credits[i] > 0) rule.Correct += static_cast<char>('A' + i);
      }
    else
      rule = Credit::RuleOf(credits, single);
    record.Correct = rule.Correct;
    record.AnyCorrectPasses = rule.AnyCorrectPasses;
    for (const std::string& note : rule.Notes) report.Add(number, note);
    if (record.Correct.empty()) report.Add(number, "no answer earns credit: no correct letter");
    for (const char* part : {"correctfeedback", "partiallycorrectfeedback", "incorrectfeedback"})
      if (!read(question.child(part)).empty()) feedback = true;
    if (feedback) report.Add(number, "feedback dropped");
    // Our questions count alike and are answered once.
    if (const std::string_view weight = FormatParts::Trim(question.child_value("defaultgrade"));
        !weight.empty() && std::abs(std::strtod(std::string(weight).c_str(), nullptr) - 1) > 1e-6)
      report.Add(number, "question weight " + std::string(weight) + " dropped: every question counts alike");
    if (const double penalty = std::strtod(question.child_value("penalty"), nullptr); penalty > 1e-6)
      report.Add(number, "penalty of " + Credit::Percent(penalty) + " for each further try dropped");
    // The general feedback is read after answering, which is what our
    // reference is for.
    record.Reference = read(question.child("generalfeedback"));
    read.Report(number, report);
    // Tags as a test holds them, each once.
    std::string tags;
    for (const pugi::xml_node& tag : question.child("tags").children("tag"))
      tags += std::string(tags.empty() ? "" : ",") + tag.child("text").text().get();
    record.Tags = TestFile::TagsValue(tags);
    test.Questions.push_back(std::move(record));
    return true;
  }

  static void WriteQuestion(pugi::xml_node quiz, const QuestionRecord& record, int number,
                            const TMediaLookup& lookup, TLossReport& report) {
    const auto [answers, correct] = FormatParts::OfferedAnswers(record);
    if (correct.empty()) {
      report.Add(number, "no correct letter among its answers, Moodle cannot take it: not exported");
      return;
    }
    pugi::xml_node question = quiz.append_child("question");
    question.append_attribute("type") = "multichoice";
    AddText(question, "name", ShortName(record.Question), false);

    std::string html = ExchangeText::TextToHtml(record.Question);
    std::optional<TMediaFile> media;
    if (!record.MediaFile.empty()) {
      media = lookup ? lookup(record.MediaFile) : std::nullopt;
      if (!media) {
        report.Add(number, "media file " + record.MediaFile + " not found: not exported");
      } else {
        const std::string ref = std::string(PluginFile) + ExchangeText::PercentEncode(media->Name, "");
        const std::string shown = ExchangeText::TextToHtml(media->Name);
        html += XmlParts::IsImage(media->Name) ? "<br><img src=\"" + ref + "\" alt=\"" + shown + "\">"
                                               : "<br><a href=\"" + ref + "\">" + shown + "</a>";
      }
    }
    AddText(question, "questiontext", html, true);
    if (media) {
      pugi::xml_node file = question.child("questiontext").append_child("file");
      file.append_attribute("name") = media->Name.c_str();
      file.append_attribute("path") = "/";
      file.append_attribute("encoding") = "base64";
      file.text() = Base64Encode(media->Bytes).c_str();
    }
    AddText(question, "generalfeedback", ExchangeText::TextToHtml(record.Reference), true);
    if (!record.HotLink.empty()) report.Add(number, "hot link dropped");
    question.append_child("defaultgrade").text() = "1";
    question.append_child("penalty").text() = "0";
    question.append_child("hidden").text() = "0";
    // When any correct answer passes, each one alone earns full marks, which
    // only a single choice allows (Moodle wants the credits of several
    // choices to add up to 100). When every one is wanted, they share the
    // credit and a wrong pick takes all of it away; Moodle still gives part
    // marks for some of them.
    const bool all = correct.size() > 1 && !record.AnyCorrectPasses;
    if (correct.size() > 1)
      report.Add(number,
                 all ? "Moodle gives part marks for some of the correct answers: here every one is needed"
                     : "any correct answer passes: Moodle lets the student pick only one");
    question.append_child("single").text() = all ? "false" : "true";
    question.append_child("shuffleanswers").text() = "false";
    question.append_child("answernumbering").text() = "ABCD";

    const std::vector<std::string> shares = SharedFractions(static_cast<int>(correct.size()));
    for (int i = 0; i < answers; ++i) {
      const auto at = correct.find(static_cast<char>('A' + i));
      pugi::xml_node answer = question.append_child("answer");
      answer.append_attribute("fraction") = at == std::string::npos ? (all ? "-100" : "0")
                                            : all                   ? shares[at].c_str()
                                                                    : "100";
      answer.append_attribute("format") = "html";
      answer.append_child("text")
          .append_child(pugi::node_cdata)
          .set_value(ExchangeText::TextToHtml(record.Answer(i)).c_str());
      AddText(answer, "feedback", "", true);
    }
    if (const std::vector<std::string> tags = TestFile::TagList(record.Tags); !tags.empty()) {
      pugi::xml_node list = question.append_child("tags");
      for (const std::string& tag : tags) list.append_child("tag").append_child("text").text() = tag.c_str();
    }
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeMoodleXmlFormat() {
  return std::make_unique<TMoodleXmlFormat>();
}
