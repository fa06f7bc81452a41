#!/usr/bin/env python3
"""Exercises scripts/translations.py on a scratch tree with its own sources and
glossary, so that a checker which lets a broken translation through is noticed."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
CODES = ["en", "zh", "fr", "it", "ja", "ko", "ru", "de", "es", "pt", "nl", "pl", "uk", "lt", "hu"]
HEADER = "\t".join(["zh_CN"] + CODES + ["context"])

SOURCE = r'''
#include <QObject>
#include <QString>
QString a() { return QObject::tr("打开"); }
QString b(int n) { return QObject::tr("已复制 %n 个文件", nullptr, n); }
QString c() { return QObject::tr("第一行\n第二行"); }
class Probe : public QObject { Q_OBJECT
public:
    QString d() { return tr("退出"); }
    QString e() { return tr("文件已存在：%1"); }
};
QString f() { return QObject::tr("退出"); }
'''


def row(source, text, context=""):
    return "\t".join([source] + [f"{text} {code}" if "%" not in text and "\\n" not in text
                                 else text for code in CODES] + [context])


GLOSSARY = [
    row("打开", "Open"),
    row("已复制 %n 个文件", "Copied: %n"),
    row("第一行\\n第二行", "One\\nTwo"),
    row("退出", "Exit"),
    row("退出", "Close", "Probe"),
    row("文件已存在：%1", "Exists: %1"),
]


class TranslationsTool(unittest.TestCase):
    def setUp(self):
        self.root = Path(tempfile.mkdtemp(prefix="vistrel-lang-"))
        (self.root / "scripts").mkdir()
        shutil.copy(REPO / "scripts" / "translations.py", self.root / "scripts")
        (self.root / "dialogs").mkdir()
        (self.root / "dialogs" / "probe.cpp").write_text(SOURCE, encoding="utf-8")
        (self.root / "resources" / "lang").mkdir(parents=True)
        self.write_glossary(GLOSSARY)

    def tearDown(self):
        shutil.rmtree(self.root)

    def write_glossary(self, rows):
        (self.root / "resources" / "lang" / "glossary.tsv").write_text(
            "\n".join([HEADER] + rows) + "\n", encoding="utf-8")

    def run_tool(self, command):
        args = [sys.executable, str(self.root / "scripts" / "translations.py"), command]
        if os.environ.get("LUPDATE"):
            args += ["--lupdate", os.environ["LUPDATE"]]
        return subprocess.run(args, capture_output=True, text=True)

    def ts(self, code):
        return self.root / "resources" / "lang" / f"vistrel_{code}.ts"

    def translations(self, code):
        out = {}
        for context in ET.parse(self.ts(code)).getroot().iter("context"):
            for message in context.findall("message"):
                translation = message.find("translation")
                forms = translation.findall("numerusform")
                out[(context.findtext("name"), message.findtext("source"))] = (
                    [f.text for f in forms] if forms else translation.text, translation.get("type"))
        return out

    def test_update_fills_every_file_and_check_passes(self):
        self.assertEqual(self.run_tool("update").returncode, 0)
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 0, result.stdout)
        for code in CODES:
            self.assertTrue(self.ts(code).exists(), code)
        de = self.translations("de")
        self.assertEqual(de[("QObject", "打开")], ("Open de", None))
        self.assertEqual(de[("QObject", "第一行\n第二行")], ("One\nTwo", None))
        self.assertEqual(de[("QObject", "退出")], ("Exit de", None))
        self.assertEqual(de[("Probe", "退出")], ("Close de", None))
        forms, kind = self.translations("ru")[("QObject", "已复制 %n 个文件")]
        self.assertIsNone(kind)
        self.assertGreater(len(forms), 1)
        self.assertTrue(all(f == "Copied: %n" for f in forms), forms)
        root = ET.parse(self.ts("zh")).getroot()
        self.assertEqual((root.get("language"), root.get("sourcelanguage")), ("zh_TW", "zh_CN"))

    def test_text_without_glossary_row_is_reported(self):
        self.write_glossary(GLOSSARY[1:])
        result = self.run_tool("update")
        self.assertEqual(result.returncode, 1)
        self.assertIn("打开", result.stdout)
        self.assertNotEqual(self.run_tool("check").returncode, 0)
        missing = self.run_tool("missing")
        self.assertEqual(missing.returncode, 1)
        self.assertEqual(missing.stdout.strip(), "QObject\t打开")

    def test_lost_placeholder_is_an_error(self):
        broken = GLOSSARY[:-1] + [row("文件已存在：%1", "Exists: %1").replace(
            "Exists: %1\t", "Exists\t", 1)]
        self.write_glossary(broken)
        self.assertNotEqual(self.run_tool("update").returncode, 0)
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("placeholders", result.stdout)

    def test_unfinished_or_edited_ts_fails(self):
        self.assertEqual(self.run_tool("update").returncode, 0)
        path = self.ts("pl")
        path.write_text(path.read_text(encoding="utf-8").replace(
            "<translation>Open pl</translation>",
            '<translation type="unfinished">Open pl</translation>'), encoding="utf-8")
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("vistrel_pl.ts", result.stdout)
        self.assertIn("unfinished", result.stdout)

        self.assertEqual(self.run_tool("update").returncode, 0)
        path.write_text(path.read_text(encoding="utf-8").replace("Open pl", "Otwórz"),
                        encoding="utf-8")
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("differs from the glossary", result.stdout)

    def test_ts_out_of_step_with_sources_fails(self):
        self.assertEqual(self.run_tool("update").returncode, 0)
        probe = self.root / "dialogs" / "probe.cpp"
        probe.write_text(SOURCE.replace('tr("打开")', 'tr("关闭")'), encoding="utf-8")
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("lacks [QObject] '关闭'", result.stdout)
        self.assertIn("no longer have", result.stdout)

    def test_missing_ts_file_fails(self):
        self.assertEqual(self.run_tool("update").returncode, 0)
        self.ts("lt").unlink()
        result = self.run_tool("check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("vistrel_lt.ts: missing", result.stdout)


if __name__ == "__main__":
    unittest.main()
