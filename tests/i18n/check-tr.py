#!/usr/bin/env python3
"""Checks that the interface can be translated.

1. Every translations/*.ts holds no message left "unfinished", "obsolete" or
   "vanished".
2. No string literal of src/ui that a user could see bypasses translation: a
   literal holding a letter must stand inside tr(), translate(), QT_TR_NOOP or
   QT_TRANSLATE_NOOP, unless it is one of the uses that never reach the screen
   (object names, property and settings keys, resource paths, signal and slot
   names, style sheets) or an exact literal of tests/i18n/allowed-literals.txt.

Usage: check-tr.py ROOT [--folders src/ui/maker src/ui/platform ...] [--no-ts | --no-sources]
Prints file:line and the literal of each failure; exits 1 on any.
"""

import argparse
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

# Calls whose string arguments are handed to translation.
TRANSLATING = {"tr", "translate", "qsTr", "qtTrId", "QT_TR_NOOP", "QT_TR_N_NOOP", "QT_TRANSLATE_NOOP",
               "QT_TRANSLATE_NOOP3", "QT_TRANSLATE_N_NOOP", "QT_TRID_NOOP", "Q_DECLARE_TR_FUNCTIONS"}

# Calls whose string arguments never reach the screen, by argument position
# (None: every argument). A literal directly among such a call's arguments is
# allowed.
NOT_SHOWN = {
    # object names, given through the window kit or Qt
    "Named": {1}, "setObjectName": None, "PushButton": {0}, "PictureButton": {1},
    "findChild": None, "findChildren": None, "objectName": None,
    # dynamic properties
    "setProperty": {0}, "property": {0},
    # settings keys and the store's keys
    "QSettings": None, "value": {0}, "setValue": {0}, "beginGroup": None, "remove": {0}, "contains": {0},
    # icons and resources
    "QIcon": None, "QPixmap": None, "QImage": None, "fromTheme": None, "QFile": None, "QUrl": None,
    # signals and slots, style sheets, internal names
    "SIGNAL": None, "SLOT": None, "setStyleSheet": None, "connect": None, "invokeMethod": None,
    "Q_PROPERTY": None, "Q_CLASSINFO": None, "qRegisterMetaType": None, "setApplicationName": None,
    "setOrganizationName": None, "setDesktopFileName": None, "QRegularExpression": None,
    "setAccessibleIdentifier": None, "setFontFamily": None, "QFont": {0}, "setFamily": None,
    "setFamilies": None, "qputenv": None, "qgetenv": None, "qEnvironmentVariable": None,
    "qEnvironmentVariableIsSet": None, "setMimeData": None, "hasFormat": None, "setData": None,
    "QMimeType": None, "mimeTypeForName": None, "qDebug": None, "qWarning": None, "qCritical": None,
    "QCommandLineOption": {0}, "addPositionalArgument": {0}, "isSet": None,
    "load": None, "Q_ASSERT": None, "Q_ASSERT_X": None, "static_assert": None, "qFatal": None,
}

# Wrappers that only turn a literal into a string: the call that counts is the
# one around them.
WRAPPERS = {"QStringLiteral", "QLatin1String", "QLatin1StringView", "QString", "QByteArrayLiteral",
            "QLatin1Char", "QChar", "QStringView", "u8", "QByteArray", "fromUtf8", "fromLatin1",
            "QLatin1StringLiteral", "QAnyStringView"}

TOKEN = re.compile(
    r"""(?P<comment>//[^\n]*|/\*.*?\*/)
      | (?P<preproc>^[ \t]*\#(?:[^\n\\]|\\.)*)
      | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\((?P<rawbody>.*?)\)(?P=delim)")
      | (?P<string>(?:u8|u|U|L)?"(?P<body>(?:[^"\\\n]|\\.)*)")
      | (?P<char>'(?:[^'\\\n]|\\.)+')
      | (?P<name>[A-Za-z_][A-Za-z0-9_]*)
      | (?P<open>[(\[{])
      | (?P<close>[)\]}])
      | (?P<comma>,)
      | (?P<other>\S)""",
    re.VERBOSE | re.DOTALL | re.MULTILINE)

ESCAPE = re.compile(r"\\(u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|x[0-9A-Fa-f]+|[0-7]{1,3}|.)", re.DOTALL)


def Decoded(body):
    def one(match):
        code = match.group(1)
        if code[0] in "uUx":
            return chr(int(code[1:], 16)) if int(code[1:], 16) < 0x110000 else "?"
        if code[0].isdigit():
            return chr(int(code, 8))
        return {"n": "\n", "t": "\t", "r": "\r"}.get(code, code)
    return ESCAPE.sub(one, body)


def Literals(text):
    """Yields (line, literal, [(call name, argument index), ...] innermost first)."""
    stack = []  # per open bracket: [call name or None, argument index]
    last_name = None
    type_name = None  # in "QCommandLineOption option(...)", the type names the call
    pending = None  # (line, literal, context) of adjacent literals being joined
    template = None  # [call name, depth] while inside "findChild<...>" before its "("
    for match in TOKEN.finditer(text):
        kind = match.lastgroup
        if kind in ("comment", "preproc"):
            continue
        if template:  # the template's arguments name nothing; the call is its name
            if match.group() == "<":
                template[1] += 1
            elif match.group() == ">":
                template[1] -= 1
                if template[1] == 0:
                    last_name, template = template[0], None
            continue
        if kind == "other" and match.group() == "<" and last_name in NOT_SHOWN:
            template = [last_name, 1]
            continue
        if kind in ("string", "raw"):
            body = match.group("rawbody") if kind == "raw" else Decoded(match.group("body"))
            line = text.count("\n", 0, match.start()) + 1
            if pending:  # "a" "b" is one literal
                pending = (pending[0], pending[1] + body, pending[2])
            else:
                context = [(frame[0], frame[1]) for frame in reversed(stack)]
                pending = (line, body, context)
            last_name = type_name = None
            continue
        if pending:
            yield pending
            pending = None
        if kind == "name":
            type_name, last_name = last_name, match.group()
            continue
        if kind == "open":
            bracket = match.group()
            call = last_name if bracket == "(" else None
            if type_name in NOT_SHOWN or type_name in TRANSLATING:
                call = type_name
            stack.append([call, 0])
        elif kind == "close":
            if stack:
                stack.pop()
        elif kind == "comma":
            if stack:
                stack[-1][1] += 1
        last_name = type_name = None
    if pending:
        yield pending


# Literals that read as names rather than sentences: a C++ name with a digit
# or a capital inside ("Label5", "TopButton", "quizwellFitted", "Suggestion%1"),
# an object or key name of the window kit; a file or resource path ("/words.txt",
# "*.dic", "home.html", "languages/"); an icon theme name ("edit-undo"); a
# locale ("en_US").
NAMES = [
    re.compile(r"[A-Za-z_][A-Za-z0-9_%]*(?:[0-9]|[a-z][A-Z])[A-Za-z0-9_%]*"),
    re.compile(r"[\w.*%-]*/[\w./*%-]*|\*?\.\w+|[\w-]+\.(?:html?|ini|txt|csv|dic|aff|png|svg|qm|json|hlp|cfg|QWT|TXT)"),
    re.compile(r"[a-z]+(?:-[a-z]+)+"),
    re.compile(r"[a-z]{2,3}_[A-Z]{2}"),
]


def Verdict(literal, context):
    """True when the literal is translated or never shown."""
    if any(pattern.fullmatch(literal) for pattern in NAMES):
        return True
    for name, argument in context:
        if name in WRAPPERS:
            continue
        if name in TRANSLATING:
            return True
        if name in NOT_SHOWN:
            allowed = NOT_SHOWN[name]
            return allowed is None or argument in allowed
        # any other call: a translating call further out still takes it
        # (tr("...").arg(x) never nests a literal in tr, so this is safe)
        break
    return any(name in TRANSLATING for name, _ in context)


def Shown(literal):
    """The literal on one line, as C++ would spell it, cut after 100 characters."""
    text = literal.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")
    return '"' + (text if len(text) <= 100 else text[:100] + "...") + '"'


def AllowedLiterals(path):
    allowed = set()
    if not path.exists():
        return allowed
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        # "literal"  reason
        found = re.match(r'^"((?:[^"\\]|\\.)*)"\s+(\S.*)$', line)
        if not found:
            raise SystemExit(f"{path}:{number}: expected a quoted literal and its reason")
        allowed.add(Decoded(found.group(1)))
    return allowed


def CheckSources(root, folders, allowed):
    failures = []
    for folder in folders:
        base = root / folder
        if not base.is_dir():
            failures.append(f"{folder}: no such folder")
            continue
        for source in sorted(base.rglob("*.cpp")):
            text = source.read_text(encoding="utf-8")
            for line, literal, context in Literals(text):
                if not re.search(r"[^\W\d_]", literal):
                    continue
                if literal in allowed or Verdict(literal, context):
                    continue
                failures.append(f"{source.relative_to(root)}:{line}: {Shown(literal)} is shown untranslated")
    return failures


def CheckTranslations(root):
    failures = []
    for ts in sorted((root / "translations").glob("*.ts")):
        try:
            tree = ElementTree.parse(ts)
        except ElementTree.ParseError as error:
            failures.append(f"{ts.relative_to(root)}: not a Qt Linguist file: {error}")
            continue
        for message in tree.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("unfinished", "obsolete", "vanished"):
                location = message.find("location")
                where = f"{location.get('filename')}:{location.get('line')}" if location is not None else "?"
                source = message.findtext("source", "")
                failures.append(f"{ts.relative_to(root)}: {kind} \"{source}\" ({where})")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("--folders", nargs="+", default=["src/ui"])
    parser.add_argument("--allowed", type=pathlib.Path)
    parser.add_argument("--no-ts", action="store_true", help="skip the translation files")
    parser.add_argument("--no-sources", action="store_true", help="check the translation files alone")
    arguments = parser.parse_args()
    root = arguments.root.resolve()
    allowed = AllowedLiterals(arguments.allowed or root / "tests/i18n/allowed-literals.txt")
    failures = [] if arguments.no_sources else CheckSources(root, arguments.folders, allowed)
    if not arguments.no_ts:
        failures += CheckTranslations(root)
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
