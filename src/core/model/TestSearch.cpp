#include "core/model/TestSearch.h"

#include <algorithm>
#include <array>
#include <regex>
#include <tuple>
#include <utility>

#include "core/model/Letters.h"
#include "core/model/QuestionSet.h"
#include "core/storage/IoError.h"
#include "core/storage/Utf8.h"

namespace {

std::string Folded(const std::string& text) {
  return Letters::Folded(text);
}

// A letter or digit of a word, of any script; '_' too, as regular expressions
// count it.
bool IsWordCharacter(char32_t c) {
  return c == '_' || (c != 0 && Letters::IsLetterOrDigit(c));
}

constexpr std::array<TSearchField, SearchFieldCount> AllFields = {
    TSearchField::Question, TSearchField::AnswerA,           TSearchField::AnswerB,  TSearchField::AnswerC,
    TSearchField::AnswerD,  TSearchField::AnswerE,           TSearchField::AnswerF,  TSearchField::Reference,
    TSearchField::HotLink,  TSearchField::HotLinkParameters, TSearchField::MediaFile};

template <class TRecord, class TText>
TText& FieldOf(TRecord& question, TSearchField field) {
  switch (field) {
    case TSearchField::Question:
      return question.Question;
    case TSearchField::Reference:
      return question.Reference;
    case TSearchField::HotLink:
      return question.HotLink;
    case TSearchField::HotLinkParameters:
      return question.HotLinkParameters;
    case TSearchField::MediaFile:
      return question.MediaFile;
    default:
      return question.Answer(static_cast<int>(field) - static_cast<int>(TSearchField::AnswerA));
  }
}

}  // namespace

std::string& FieldText(QuestionRecord& question, TSearchField field) {
  return FieldOf<QuestionRecord, std::string>(question, field);
}

const std::string& FieldText(const QuestionRecord& question, TSearchField field) {
  return FieldOf<const QuestionRecord, const std::string>(question, field);
}

TSearchArea AreaOf(TSearchField field) {
  switch (field) {
    case TSearchField::Question:
      return TSearchArea::Question;
    case TSearchField::Reference:
      return TSearchArea::Reference;
    case TSearchField::HotLink:
    case TSearchField::HotLinkParameters:
      return TSearchArea::HotLink;
    case TSearchField::MediaFile:
      return TSearchArea::Media;
    default:
      return TSearchArea::Answers;
  }
}

struct TTestSearch::TExpression {
  std::regex Regex;
};

TTestSearch::TTestSearch(TSearchOptions options) : Options(std::move(options)) {
  if (!Options.RegularExpression) {
    Folded = ::Folded(Options.Pattern);
    return;
  }
  if (Options.Pattern.empty()) return;
  auto flags = std::regex::ECMAScript;
  if (!Options.MatchCase) flags |= std::regex::icase;
  try {
    Expression = std::make_unique<TExpression>(TExpression{std::regex(Options.Pattern, flags)});
  } catch (const std::regex_error& error) {
    ErrorText = error.what();
  }
}

TTestSearch::~TTestSearch() = default;

bool TTestSearch::FitsWord(const std::string& text, size_t position, size_t length) const {
  if (!Options.WholeWords) return true;
  const size_t end = position + length;
  const auto joined = [&text](size_t at) {
    return IsWordCharacter(Letters::Before(text, at)) && IsWordCharacter(Letters::At(text, at));
  };
  return !joined(position) && !joined(end);
}

std::vector<std::pair<size_t, size_t>> TTestSearch::FindIn(const std::string& text) const {
  std::vector<std::pair<size_t, size_t>> hits;
  if (Options.Pattern.empty() || !Valid()) return hits;
  if (Expression != nullptr) {
    for (auto it = std::sregex_iterator(text.begin(), text.end(), Expression->Regex);
         it != std::sregex_iterator(); ++it) {
      const auto position = static_cast<size_t>(it->position(0));
      const auto length = static_cast<size_t>(it->length(0));
      if (length > 0 && FitsWord(text, position, length)) hits.emplace_back(position, length);
    }
    return hits;
  }
  const std::string& pattern = Options.MatchCase ? Options.Pattern : Folded;
  const std::string folded = Options.MatchCase ? std::string() : ::Folded(text);
  const std::string& haystack = Options.MatchCase ? text : folded;
  for (size_t at = haystack.find(pattern); at != std::string::npos; at = haystack.find(pattern, at)) {
    if (FitsWord(text, at, pattern.size())) {
      hits.emplace_back(at, pattern.size());
      at += pattern.size();
    } else {
      ++at;
    }
  }
  return hits;
}

std::vector<TSearchHit> TTestSearch::FindAll(const QuestionSet& set) const {
  std::vector<TSearchHit> hits;
  for (int n = 1; n <= set.QuestionCount; ++n)
    for (const TSearchField field : AllFields) {
      if (!Options.Areas[static_cast<size_t>(AreaOf(field))]) continue;
      for (const auto& [position, length] : FindIn(FieldText(set.Slot(n), field)))
        hits.push_back({n, field, position, length});
    }
  return hits;
}

std::string TTestSearch::Replaced(const std::string& text, const TSearchHit& hit,
                                  const std::string& replacement) const {
  if (Expression == nullptr) return replacement;
  std::smatch match;
  auto flags = std::regex_constants::match_continuous;
  if (hit.Position > 0) flags |= std::regex_constants::match_prev_avail;
  const auto from = text.begin() + static_cast<std::ptrdiff_t>(hit.Position);
  if (!std::regex_search(from, text.end(), match, Expression->Regex, flags)) return replacement;
  return match.format(replacement);
}

std::vector<TFieldChange> TTestSearch::PlanReplaceAll(const QuestionSet& set,
                                                      const std::string& replacement) const {
  std::vector<TFieldChange> changes;
  for (int n = 1; n <= set.QuestionCount; ++n)
    for (const TSearchField field : AllFields) {
      if (!Options.Areas[static_cast<size_t>(AreaOf(field))]) continue;
      const std::string& text = FieldText(set.Slot(n), field);
      std::string after;
      size_t copied = 0;
      for (const auto& [position, length] : FindIn(text)) {
        after.append(text, copied, position - copied);
        after += Replaced(text, {n, field, position, length}, replacement);
        copied = position + length;
      }
      if (copied == 0) continue;
      after.append(text, copied);
      if (after != text) changes.push_back({n, field, text, std::move(after)});
    }
  return changes;
}

void TTestSearch::Apply(QuestionSet& set, const std::vector<TFieldChange>& changes) {
  for (const TFieldChange& change : changes) FieldText(set.Slot(change.Number), change.Field) = change.After;
}

std::string HitContext(const std::string& text, size_t position, size_t length, size_t around) {
  // Widened to whole characters: a cut never splits one.
  const auto inside = [&text](size_t i) { return i < text.size() && Utf8::IsContinuation(text[i]); };
  size_t first = position > around ? position - around : 0;
  while (first > 0 && inside(first)) --first;
  size_t last = std::min(text.size(), position + length + around);
  while (inside(last)) ++last;
  std::string shown = first > 0 ? "..." : "";
  for (size_t i = first; i < last; ++i) {
    const char c = text[i];
    if (c == '\n' && i > first && text[i - 1] == '\r') continue;
    shown += (c == '\r' || c == '\n') ? ' ' : c;
  }
  if (last < text.size()) shown += "...";
  return shown;
}

std::vector<std::pair<size_t, size_t>> WordsOf(const std::string& text) {
  std::vector<std::pair<size_t, size_t>> words;
  const auto letter = [](char32_t c) { return IsWordCharacter(c) && c != '_' && !Letters::IsDigit(c); };
  // The character at i and where the next one starts (one byte on for a byte
  // that is no part of valid UTF-8, which counts as no letter).
  const auto next = [&text](size_t i) {
    const char32_t c = Letters::At(text, i);
    return std::pair{c, i + (c == 0 ? 1 : Letters::Utf8Length(c))};
  };
  size_t i = 0;
  while (i < text.size()) {
    auto [c, after] = next(i);
    if (!IsWordCharacter(c)) {
      i = after;
      continue;
    }
    const size_t start = i;
    bool word = true;
    while (i < text.size()) {
      std::tie(c, after) = next(i);
      const bool apostrophe = c == '\'' && i > start && after < text.size() && letter(next(after).first);
      if (!IsWordCharacter(c) && !apostrophe) break;
      word = word && (letter(c) || c == '\'');
      i = after;
    }
    if (word) words.emplace_back(start, i - start);
  }
  return words;
}

std::vector<TTestHit> SearchTests(const std::vector<std::string>& paths, const TSearchOptions& options) {
  std::vector<TTestHit> found;
  const TTestSearch search(options);
  if (!search.Valid() || options.Pattern.empty()) return found;
  auto set = std::make_unique<QuestionSet>();  // one set of slots for every test
  for (const std::string& path : paths) {
    try {
      set->LoadQuestions(path);
    } catch (const TIoError&) {
      continue;
    }
    const std::string& description = set->TestDescription;
    for (const auto& [position, length] : search.FindIn(description)) {
      found.push_back({path, description, 0, HitContext(description, position, length)});
      break;
    }
    int last = 0;
    for (const TSearchHit& hit : search.FindAll(*set)) {
      if (hit.Number == last) continue;
      last = hit.Number;
      const std::string& text = FieldText(set->Slot(hit.Number), hit.Field);
      found.push_back({path, description, hit.Number, HitContext(text, hit.Position, hit.Length)});
    }
  }
  return found;
}

std::vector<TSearchHit> UnknownWords(const QuestionSet& questions,
                                     const std::function<bool(const std::string& word)>& known) {
  std::vector<TSearchHit> unknown;
  for (int n = 1; n <= questions.QuestionCount; ++n)
    for (int part = 0; part <= static_cast<int>(TSearchField::Reference); ++part) {
      const auto field = static_cast<TSearchField>(part);
      const std::string& text = FieldText(questions.Slot(n), field);
      for (const auto& [position, length] : WordsOf(text))
        if (!known(text.substr(position, length))) unknown.push_back({n, field, position, length});
    }
  return unknown;
}
