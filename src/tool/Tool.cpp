#include "tool/Tool.h"

#include <algorithm>
#include <exception>
#include <new>
#include <ostream>
#include <string>

#include "core/storage/IoError.h"
#include "tool/Commands.h"

namespace {

constexpr std::string_view ProgramDescription =
    "Works on Quizwell Maker tests (.QWT) and their plain-text form (.TXT) with the\n"
    "maker's own rules, so every file it writes is the file the maker writes.\n";

constexpr std::string_view ExitStatusHelp =
    "A file a command writes never goes over one of its inputs; over the results store\n"
    "beside the tests, or over a test or a database when it writes something else, only\n"
    "with --force.\n"
    "Exit status: 0 all well, 1 something was found (check, list) or lost or\n"
    "renumbered (import, export, print) or doubtful (grade), 2 usage or file error.\n"
    "The JSON shape of show and the details of every command: docs/qwtool.md.\n";

const TCommand* FindCommand(std::string_view name) {
  for (const TCommand& command : Commands()) {
    if (command.Name == name) return &command;
  }
  return nullptr;
}

void WriteUsageLine(std::ostream& stream, const TCommand& command) {
  stream << "usage: " << ProgramName << ' ' << command.Name;
  if (!command.Synopsis.empty()) stream << ' ' << command.Synopsis;
  stream << '\n';
}

void WriteProgramHelp(std::ostream& out) {
  out << "usage: " << ProgramName << " COMMAND [ARGUMENTS]\n"
      << "       " << ProgramName << " COMMAND --help\n\n"
      << ProgramDescription << "\nCommands:\n";
  for (const TCommand& command : Commands()) {
    std::string head = std::string(command.Name) + ' ' + std::string(command.Synopsis);
    head.resize(std::max<std::size_t>(head.size() + 2, 24), ' ');
    out << "  " << head << command.Summary << '\n';
  }
  out << '\n' << ExitStatusHelp;
}

void WriteCommandHelp(std::ostream& out, const TCommand& command) {
  WriteUsageLine(out, command);
  out << '\n' << command.Description << '\n' << ExitStatusHelp;
}

int UsageError(std::ostream& err, const TCommand& command, std::string_view problem) {
  Report(err, std::string(command.Name) + ": " + std::string(problem));
  WriteUsageLine(err, command);
  return ExitTrouble;
}

int RunCommand(const TCommand& command, const std::vector<std::string>& words, std::ostream& out,
               std::ostream& err, const std::filesystem::path& programFolder,
               const std::string& folderFallback) {
  TToolContext context{{}, out, err, programFolder, folderFallback};
  if (const auto unknown = SplitArguments(words, command.Options, context.Arguments)) {
    return UsageError(err, command, "unknown option \"" + *unknown + "\"");
  }
  if (context.Arguments.Has("--help")) {
    WriteCommandHelp(out, command);
    return ExitOk;
  }
  const std::size_t count = context.Arguments.Operands.size();
  if (count < command.MinOperands) return UsageError(err, command, "missing file name");
  if (count > command.MaxOperands) {
    return UsageError(err, command,
                      "unexpected argument \"" + context.Arguments.Operands[command.MaxOperands] + "\"");
  }
  return command.Run(context);
}

}  // namespace

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"list",
       "[FOLDER]",
       "list the tests of a folder as the maker's catalogue does",
       "Lists the tests in FOLDER the way the maker's catalogue does, one line per test:\n"
       "its entry number, description and file name, as in \"3: Chapter 2 review (CH2.QWT)\".\n"
       "Entries count every *.QWT file met, in file-name order, so the numbers may have gaps.\n"
       "A file whose description does not decipher is named on standard error and not listed.\n"
       "Without FOLDER, the folder qwtool is installed in (the maker's folder) is listed.\n"
       "Exit status 1 when a file could not be listed.\n",
       {},
       0,
       1,
       ListCommand},
      {"show",
       "TEST [--json]",
       "print a test's settings, messages and questions, deciphered",
       "Prints the deciphered settings of TEST (all fifteen SETTINGS keys; a key the file\n"
       "does not hold shows as not set), its begin and end messages and every question the\n"
       "editor reads: every section QA1 to QA500 holding text, numbered from 1 up without gaps\n"
       "(what was renumbered or left out is named on standard error). A value that does not\n"
       "decipher shows as BAD DECODE, as it does in the maker. Text is UTF-8.\n\n"
       "  --json   print one JSON object instead (its shape: docs/qwtool.md)\n",
       {"--json"},
       1,
       1,
       ShowCommand},
      {"new",
       "TEST [--force]",
       "create a new test as the maker's New Test does",
       "Creates TEST exactly as the maker's New Test does: a SETTINGS section with the seven\n"
       "new-test values (description \"No description\") and no questions.\n\n"
       "  --force  replace an existing TEST; without it an existing file is left alone\n",
       {"--force"},
       1,
       1,
       NewCommand},
      {"decrypt",
       "TEST TEXT",
       "convert a test into its plain-text form",
       "Writes the plain-text form of TEST into TEXT, as the maker's \"Decrypt Test to Text\n"
       "File\" does: the fifteen settings, both messages and the questions, every value\n"
       "deciphered, the questions read as the editor reads them (gaps closed up, each named on\n"
       "standard error). An existing TEXT is the starting point: its settings and other\n"
       "sections stay, its questions past the last one written are removed. Values holding\n"
       "line breaks are named on standard error, since converting TEXT back to a test keeps\n"
       "only their first lines.\n",
       {"--force"},
       2,
       2,
       DecryptCommand},
      {"encrypt",
       "TEXT TEST",
       "convert a plain-text test into a test",
       "Writes the test made from the plain-text test TEXT into TEST, as the maker's\n"
       "\"Encrypt Text File to Test\" does: every value enciphered. TEST holds exactly the\n"
       "questions of TEXT (read as the editor reads them, gaps closed up): its own questions\n"
       "past the last one written are removed, as the editor's Save removes them; its\n"
       "settings and other sections stay. TEXT and TEST may be the same file.\n",
       {"--force"},
       2,
       2,
       EncryptCommand},
      {"check",
       "TEST... | --folder DIR...",
       "report what is wrong in tests",
       "Checks each TEST and prints one line per finding, \"FILE: finding\": values that do\n"
       "not decipher, gaps in the question numbering (which the editor closes up), question\n"
       "sections no reader takes (past QA500, or numbered with a leading zero), questions\n"
       "without question text or without a correct answer, correct letters that name empty\n"
       "answers, a pass point outside 0 to 100 or a maximum number of questions outside\n"
       "0 to 99999, and a time that is not HH:MM:SS within 23:59:59 (an empty time and the\n"
       "new-test time 0 mean an untimed test), and questions typed twice (\"QA4: same\n"
       "question as QA1\", with \", other answers\" when only the stem is the same).\n"
       "Prints nothing for a sound test. Exit status 1 when anything is found.\n\n"
       "  --folder  check the tests of each folder DIR for questions typed twice across\n"
       "            them: each group with its tests, question numbers and texts\n",
       {"--folder"},
       1,
       AnyNumber,
       CheckCommand},
      {"print",
       "TEST -o OUT.pdf [--versions N] [--seed S] [--balance] [--shuffle questions,answers] [--key] "
       "[--sheet [--digits N] [--sheets N] [--layout LAYOUT.json]]",
       "write a paper test with its versions as PDF",
       "Writes TEST as a paper test into OUT.pdf, as the maker's Print Test does: versions A,\n"
       "B, ... (N of them, 1 to 26), each with its questions and their answers in an order\n"
       "drawn from seed S, empty answers left out. The seed (a new one unless given) is\n"
       "printed, so the same versions can be made, and graded, again. Questions renumbered\n"
       "across a gap or sections left out are named on standard error, with exit status 1.\n"
       "OUT.pdf may not be TEST itself. A test with a blueprint (see blueprint) has each\n"
       "version drawn from it; the draw is recorded with the run.\n\n"
       "  --balance  draw the versions from the blueprint so that their expected mean\n"
       "           scores, from the facilities in the results store, match; the means are\n"
       "           printed (\"expected mean: 64%, 63%, 65%\"). Without statistics it says so\n"
       "           and draws at random\n"
       "  --shuffle questions,answers   shuffle the questions, the answers or both\n"
       "  --key    add each version's answer key, on its own pages\n"
       "  --sheet  add machine-readable answer sheets per version: a row of boxes per\n"
       "           question, corner markers and a QR code naming the test and the run\n"
       "  --digits N  N boxed digits for a student number on each sheet (0 to 12; 0)\n"
       "  --sheets N  N sheets per version, one per student, each with its own serial\n"
       "           (1 to 1000; 1: one sheet to photocopy, the student number on every page)\n"
       "  --layout LAYOUT.json  also write where every box of every sheet page lies\n",
       {"-o=", "--versions=", "--seed=", "--shuffle=", "--balance", "--key", "--sheet",
        "--digits=", "--sheets=", "--layout=", "--force"},
       1,
       1,
       PrintCommand},
      {"grade",
       "TEST ANSWERS.csv (--run N | --seed S --versions N [--shuffle questions,answers]) [--record] "
       "[-o RESULTS.csv]",
       "mark typed answer sheets of a paper test",
       "Marks ANSWERS.csv, a row per student (name, version letter, then the letters chosen\n"
       "for each question, like \"B\" or \"AC\"), with the engine's rule, each version mapped\n"
       "back through the shuffle of seed S. Writes a row per student (name, version, right,\n"
       "asked, percent, and passed when TEST has a pass point) and a row per question, to\n"
       "RESULTS.csv or standard output. Give the seed, versions and shuffle the tests were\n"
       "printed with. A first row is a header when its version cell says \"Version\" (any\n"
       "case); any other row is a student's. A bad row is named with its column and nothing\n"
       "is written. RESULTS.csv may not be TEST or ANSWERS.csv. Sheets that fit another\n"
       "recorded run, or another version's key, far better are warned of (exit status 1).\n\n"
       "  --run N   grade with print run N of TEST, as recorded in its folder's results\n"
       "  --record  record the graded sheets in the results store of TEST's folder\n",
       {"-o=", "--versions=", "--seed=", "--shuffle=", "--run=", "--record", "--force"},
       2,
       2,
       GradeCommand},
      {"scan",
       "SCANS... [-o ANSWERS.csv] [--review REVIEW.pdf] [--test TEST [--record]]",
       "read scanned answer sheets into an answers file",
       "Reads the answer sheets in SCANS (PDF files, every page, and PNG, JPEG or TIFF\n"
       "images; pages in any order, upside down or turned a little) and writes the answers\n"
       "file grade reads to ANSWERS.csv or standard output: a row per sheet, named by its\n"
       "student number (or its page when it has none), its version and the letters marked.\n"
       "Nothing is guessed: a box neither blank nor marked, a row with two marks, a page\n"
       "without readable markers or QR code, a sheet of another test or print, and two sheets\n"
       "with one student number are named on standard error and left out, with exit\n"
       "status 1.\n\n"
       "  --review REVIEW.pdf  write each doubtful row's picture, to decide by eye\n"
       "  --test TEST          check the sheets against TEST and its recorded prints\n"
       "  --record             grade the sheets read and record them in the results store\n",
       {"-o=", "--review=", "--test=", "--record", "--force"},
       1,
       AnyNumber,
       ScanCommand},
      {"import",
       "FORMAT SOURCE TEST [--force]",
       "make a test of the questions of another quiz system",
       "Makes TEST, a new test, of the questions in SOURCE, a file in FORMAT: gift, aiken,\n"
       "moodle, qti or csv. The test gets the settings of a new test plus what SOURCE\n"
       "carries, and at most 500 questions. Media files travelling with the questions go\n"
       "into a MEDIA folder beside TEST. Every character is kept: a test that needs more\n"
       "than Windows-1252 is saved as UTF-8, and standard error says so. Everything not\n"
       "carried over is reported on standard error, one line per question and point.\n"
       "Exit status 1 when something was lost. A source that is not valid UTF-8 is named\n"
       "with its lines. Media files are removed again when TEST cannot be written.\n\n"
       "  --force  replace an existing TEST (a regular file, not a symbolic link, and not\n"
       "           SOURCE); without it an existing file is left alone\n",
       {"--force"},
       3,
       3,
       ImportCommand},
      {"export",
       "FORMAT TEST TARGET",
       "write a test's questions for another quiz system",
       "Writes the questions of TEST into TARGET in FORMAT: gift, aiken, moodle, qti or\n"
       "csv, replacing TARGET. Media files the questions name go with them where the\n"
       "format carries files and they are found beside TEST. Everything the format cannot\n"
       "carry is reported on standard error, one line per question and point, and so is\n"
       "every question renumbered across a gap or section left out. Exit status 1 when\n"
       "something was lost or renumbered. TARGET may not be TEST itself.\n",
       {"--force"},
       3,
       3,
       ExportCommand},
      {"blueprint",
       "TEST [CATEGORY=N[+tags]...] [--clear]",
       "show or set how many questions of each category a run asks",
       "Without CATEGORY=N, prints the blueprint of TEST: each category with how many\n"
       "questions a run asks of it and how many the test holds. With them, sets it: each run\n"
       "(in the engine, the classroom and on paper) asks N questions of CATEGORY and of the\n"
       "categories under it (\"Mechanics\" takes \"Mechanics/Forces\" unless that is named\n"
       "too); +tags asks for at least one question of each tag found there. A blueprint the\n"
       "test cannot meet is refused (\"Forces: 5 asked, 3 in the test\", exit status 2) and\n"
       "the test left as it was. Details: docs/question-banks.md.\n\n"
       "  --clear  remove the blueprint; MAXQUESTIONS applies again\n",
       {"--clear"},
       1,
       AnyNumber,
       BlueprintCommand},
      {"draw",
       "TEST --seed S [--versions N] [--json]",
       "print which questions each version of a draw asks",
       "Prints the questions (numbered as in the test) that each version, A to the N-th\n"
       "(1 to 26; 1), asks when drawn from the blueprint of TEST with seed S: the draw the\n"
       "engine makes for a student with seed S is version A, and print --seed S --versions N\n"
       "prints these versions. Without a blueprint every version asks every question.\n\n"
       "  --json   print {\"versions\": [[question numbers], ...]} instead\n",
       {"--seed=", "--versions=", "--json"},
       1,
       1,
       DrawCommand},
      ResultsCommandEntry(),
      CollectCommandEntry(),
      ServeCommandEntry(),
  };
  return commands;
}

int RunTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
            const std::filesystem::path& programFolder, const std::string& folderFallback) {
  try {
    if (words.empty()) {
      Report(err, "missing command");
      err << "Try '" << ProgramName << " --help'.\n";
      return ExitTrouble;
    }
    const std::string& name = words.front();
    const bool asksHelp = name == "--help" || name == "-h" || name == "help";
    if (asksHelp && words.size() == 1) {
      WriteProgramHelp(out);
      return ExitOk;
    }
    // "help COMMAND" is "COMMAND --help".
    const std::string& commandName = asksHelp ? words[1] : name;
    const TCommand* command = FindCommand(commandName);
    if (!command) {
      Report(err, "unknown command \"" + commandName + "\"");
      err << "Try '" << ProgramName << " --help'.\n";
      return ExitTrouble;
    }
    if (asksHelp) {
      WriteCommandHelp(out, *command);
      return ExitOk;
    }
    const int status =
        RunCommand(*command, {words.begin() + 1, words.end()}, out, err, programFolder, folderFallback);
    // Output that never arrived (a full disk, a closed pipe) is no success.
    if (!out.flush()) {
      Report(err, "Cannot write the output: the standard output refused it");
      return ExitTrouble;
    }
    return status;
  } catch (const TIoError& error) {
    Report(err, error.what());
  } catch (const std::bad_alloc&) {
    Report(err, "out of memory");
  } catch (const std::exception& error) {
    Report(err, error.what());
  }
  return ExitTrouble;
}
