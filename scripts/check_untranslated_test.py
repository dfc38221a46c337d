#!/usr/bin/env python3
"""Which literals check-untranslated.py flags, and how its allow-list reads."""
import importlib.util
import os
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("checker", os.path.join(HERE, "check-untranslated.py"))
checker = importlib.util.module_from_spec(spec)
spec.loader.exec_module(checker)


class Literals(unittest.TestCase):
    CASES = [  # (source, flagged texts)
        ('f(tr("저장"));', []),
        ('text::translate("pdx::cli", "잘못된 값: %1");', []),
        ('QObject::tr("이전").arg(n);', []),
        ('const char *k[] = {QT_TRANSLATE_NOOP("Ctx", "예"), QT_TR_NOOP("아니오")};', []),
        ('// "주석"\n/* "주석" */ x = 1;', []),
        ('fail("값이 없습니다.");', ["값이 없습니다."]),
        ('x = R"(날 "글")";', ['날 "글"']),
        ('fill(translate("C", "%1 건"), {"개"});', ["개"]),
        ('tr(name("이름"));', ["이름"]),
        ('auto f = [] { return "람다"; };', ["람다"]),
        ('label->setText(QStringLiteral("Open file"));', ["Open file"]),
        ('w->setToolTip("Save");', ["Save"]),
        ('label->setText(QStringLiteral("%1 / %2").arg(a, b));', []),
        ('settings.setText("General", key, value);', []),
        ('x = "\\xb0\\xa1 CP949";', []),
    ]

    def test_flags_only_what_bypasses_translation(self):
        for source, flagged in self.CASES:
            with self.subTest(source=source):
                self.assertEqual([text for _, text in checker.faults_in(source)], flagged)

    def test_reports_the_line(self):
        self.assertEqual(list(checker.faults_in('a();\n\nb("둘째");')), [(3, "둘째")])


class AllowList(unittest.TestCase):
    def check(self, allow_text, files):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                os.makedirs(os.path.join(root, os.path.dirname(name)), exist_ok=True)
                with open(os.path.join(root, name), "w", encoding="utf-8") as out:
                    out.write(text)
            allow_path = os.path.join(root, "allow.txt")
            with open(allow_path, "w", encoding="utf-8") as out:
                out.write(allow_text)
            allow, errors = checker.read_allow(allow_path)
            found, counts = checker.check(root, ["cli", "simulator"], allow)
            return [e.split(": ", 1)[1] for e in errors], found, dict(counts)

    def test_entries_silence_files_and_texts(self):
        files = {
            "simulator/sample_state.cpp": 'n = "김";',
            "cli/run.cpp": 'a("휴대폰 상태"); b("오류");',
            "cli/run_test.cpp": 'c("시험");',
            "cli/build/gen.cpp": 'd("생성");',
        }
        errors, found, counts = self.check(
            '# the phone\'s sample data\nsimulator/sample_*.cpp\n\n# a font\n* "오류"\n\n# a log line\n'
            'cli/run.cpp "휴대폰"\n', files)
        self.assertEqual(errors, [])
        self.assertEqual(found, ['cli/run.cpp:1: not translated: "휴대폰 상태"'])
        self.assertEqual(counts, {"cli": 1})

    def test_entries_need_a_reason_and_quotes(self):
        errors, _, _ = self.check("cli/a.cpp\n# why\ncli/b.cpp 상태\n", {})
        self.assertEqual(errors, ["an entry needs a comment above it that says why", "write the text in double quotes"])


if __name__ == "__main__":
    unittest.main()
