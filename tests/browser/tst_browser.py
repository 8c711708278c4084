#!/usr/bin/python3
"""tst_browser.py PROGRAM DOCUMENT: the exported page in headless Chromium (typing, arrow
keys, check and solution buttons); exit code 77 (skipped) without Chromium or Selenium."""
import os
import shutil
import sys
import tempfile

from headless import chromium, chromium_missing, export, export_refused

try:
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    pass


def main(program, document):
    folder = tempfile.mkdtemp()
    page = os.path.join(folder, "seite.htm")
    export_refused(program, "--export-html", page)
    if chromium_missing():
        print("SKIP: " + chromium_missing())
        return 77
    export(program, "--export-html", page, document)
    driver = chromium(folder)
    try:
        driver.get("file://" + page)
        field = lambda i: driver.find_element(By.NAME, "ln%d" % i)
        focused = lambda: driver.switch_to.active_element.get_attribute("name")

        # Inputs run down each column: ln0 F, ln1 Š below it, ln2 U, ln3 ß, ln4 "-" below ß;
        # the field left of ln4 is a block.
        field(0).click()
        for keys, expected in (("f" + Keys.ARROW_RIGHT, "ln2"), ("u" + Keys.ARROW_RIGHT, "ln3"),
                               ("ß" + Keys.ARROW_DOWN, "ln4"), (Keys.ARROW_LEFT, "ln4"),
                               (Keys.ARROW_UP + Keys.ARROW_LEFT + Keys.ARROW_LEFT, "ln0"),
                               (Keys.ARROW_DOWN + "š", "ln1")):
            driver.switch_to.active_element.send_keys(keys)
            assert focused() == expected, (keys, focused(), expected)
        assert [field(i).get_attribute("value") for i in (0, 2)] == ["F", "U"]

        def check():
            driver.find_element(By.CSS_SELECTOR, "input[value='Überprüfen']").click()
            alert = driver.switch_to.alert
            text = alert.text
            alert.accept()
            return text

        assert check() == 'Gelöst! "Fuß" \\o/', check()
        field(2).clear()
        field(2).send_keys("x")
        assert check() == "Leider ist noch nicht alles richtig."

        for i in range(5):
            field(i).clear()
        driver.find_element(By.CSS_SELECTOR, "input[value='Lösung']").click()
        values = [field(i).get_attribute("value") for i in range(5)]
        assert values == ["F", "Š", "U", "ß", "-"], values
    finally:
        driver.quit()
        shutil.rmtree(folder, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
