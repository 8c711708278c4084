#!/usr/bin/python3
"""tst_browser.py PROGRAM AXE_JS EXAMPLE HTML_DOCUMENT: the exported pages in headless Chromium.
The web puzzle: solving by typing and keys, checks, reveal, progress after a reload, phone width,
and axe-core's WCAG 2.1 AA rules. The HTML page: typing, arrow keys, check and solution buttons.
Exit code 77 (skipped) without Chromium, Selenium or axe-core."""
import os
import shutil
import subprocess
import sys
import tempfile

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    webdriver = None

# Older text format, 23 x 13: MAß across and MÖWE down from (1, 1), ßÄS down from (3, 1),
# WÜST across from (1, 3) and a word across the whole board in row 6.
ROWS = {1: "MAß", 2: "Ö Ä", 3: "WÜST", 4: "E", 6: "ABCDEFGHIJKLMNOPQRSTUVW"}
CLUES = [(1, 1, 1, "Hohlmaß </script><b>"), (1, 1, 0, "Seevogel"), (3, 1, 0, "Buchstaben"),
         (1, 3, 1, "Öde Gegend"), (1, 6, 1, "Das Alphabet")]


def legacy_document(path):
    lines = ["Felderquiz"] + [ROWS.get(row, "")[col - 1:col].strip()
                              for col in range(1, 24) for row in range(1, 14)] + [str(len(CLUES))]
    lines += [str(part) for clue in CLUES for part in clue]
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("cp1252") + b"\r\n")


def chromium(folder):
    """Headless Chromium with its own profile in folder and the console kept for get_log."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("headless no-sandbox disable-gpu disable-quic no-first-run disable-sync "
                 "disable-background-networking disable-component-update").split():
        options.add_argument("--" + flag)
    options.add_argument("--user-data-dir=" + os.path.join(folder, "profile"))
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def html_page(driver, page):
    """The page of the HTML export, of tests/data/loesbar.gsd."""
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
    assert [field(i).get_attribute("value") for i in range(5)] == ["F", "Š", "U", "ß", "-"]


def main(program, axe_js, example, html_document):
    folder = tempfile.mkdtemp()
    page = os.path.join(folder, "raetsel.html")
    old_page = os.path.join(folder, "seite.htm")
    document = os.path.join(folder, "raetsel.txt")
    legacy_document(document)
    if webdriver is None or not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("SKIP: chromium, chromium-driver or python3-selenium is not installed "
              "(sh scripts/setup --browser installs them)")
        return 77
    if not os.path.exists(axe_js):
        print("SKIP: axe-core is not installed (scripts/test installs it with npm)")
        return 77
    with open(axe_js, encoding="utf-8") as f:
        axe = f.read()
    example_page = os.path.join(folder, "beispiel.html")
    for option, out, source in (("--export-web", page, document),
                                ("--export-web", example_page, example),
                                ("--export-html", old_page, html_document)):
        subprocess.run([program, option, out, source], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    driver = chromium(folder)
    driver.set_window_size(1280, 1024)

    def accessible(state):
        if not driver.execute_script("return !!window.axe"):
            driver.execute_script(axe)
        violations = driver.execute_async_script(
            "var done = arguments[arguments.length - 1];"
            "axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21aa']}})"
            ".then(function (r) { done(r.violations.map(function (v) {"
            "  return v.id + ' ' + v.nodes.map(function (n) { return n.target; }).join(' '); })); });")
        assert violations == [], (state, violations)

    field = lambda col, row: driver.find_element(
        By.CSS_SELECTOR, "input[data-col='%d'][data-row='%d']" % (col, row))
    value = lambda col, row: field(col, row).get_attribute("value")
    type_keys = lambda keys: driver.switch_to.active_element.send_keys(keys)
    status = lambda: driver.find_element(By.CSS_SELECTOR, "[role=status]").text
    press = lambda text: driver.find_element(By.XPATH, "//button[text()='%s']" % text).click()
    invalid = lambda: sorted((int(e.get_attribute("data-col")), int(e.get_attribute("data-row")))
                             for e in driver.find_elements(By.CSS_SELECTOR,
                                                           "input[aria-invalid=true]"))

    def at(col, row):
        e = driver.switch_to.active_element
        where = (e.get_attribute("data-col"), e.get_attribute("data-row"))
        assert where == (str(col), str(row)), (where, col, row)

    try:
        driver.get("file://" + example_page)
        accessible("Beispiel")
        field(2, 3).click()  # carries solution letter 1
        type_keys("u")
        assert driver.find_element(By.CSS_SELECTOR, ".loesung > span").text == "1\nU"
        driver.get("file://" + page)
        assert field(2, 1).get_attribute("aria-label") == "1 waagerecht, Buchstabe 2 von 3"
        accessible("frisch")
        field(1, 1).click()
        accessible("Feld gewählt")

        # Across from the first field: lower case and ß arrive upper-cased, ß stays one letter.
        type_keys("ma")
        at(3, 1)
        type_keys("ß")
        assert [value(c, 1) for c in (1, 2, 3)] == ["M", "A", "ß"]
        type_keys(Keys.TAB + "wüst")
        assert [value(c, 3) for c in (1, 2, 3, 4)] == ["W", "Ü", "S", "T"]
        type_keys(Keys.TAB + Keys.TAB)
        at(1, 1)  # 1 senkrecht follows the last across word
        type_keys(Keys.ARROW_DOWN + "ö")
        at(1, 3)
        type_keys("xe" + Keys.BACKSPACE)
        at(1, 3)
        assert (value(1, 3), value(1, 4)) == ("X", "")
        type_keys(Keys.SHIFT + Keys.TAB + Keys.SHIFT)
        at(1, 6)
        field(3, 2).click()
        type_keys("z")

        press("Wort prüfen")  # 3 senkrecht: only the Z is wrong
        assert invalid() == [(3, 2)], invalid()
        field(1, 2).click()
        press("Alles prüfen")
        assert invalid() == [(1, 3), (3, 2)], invalid()
        accessible("nach Prüfung")

        field(1, 3).click()
        type_keys(" w")  # Space turns to across: the next field is the Ü
        at(2, 3)
        # Only the current word's definition is marked, in the across list.
        marked = lambda where: [e.text for e in driver.find_elements(By.CSS_SELECTOR,
                                                                     where + " li.akt")]
        assert len(marked(".hinweise")) == 1, marked(".hinweise")
        assert marked(".hinweise section:first-child") == marked(".hinweise"), marked(".hinweise")
        assert value(1, 3) == "W" and invalid() == [(3, 2)]
        type_keys(Keys.ARROW_UP)
        at(2, 1)
        field(3, 2).click()
        type_keys("ä")
        field(1, 4).click()
        type_keys("E")
        field(1, 6).click()
        assert status() != "Gratulation! Du hast das Rätsel gelöst!"
        type_keys("abcdefghijklmnopqrstuvw")
        assert status() == "Gratulation! Du hast das Rätsel gelöst!", status()

        driver.refresh()
        solved = {(c, r): v for r, word in ROWS.items() for c, v in enumerate(word, 1) if v != " "}
        assert {k: value(*k) for k in solved} == solved
        assert status() == "Gratulation! Du hast das Rätsel gelöst!"
        press("Zurücksetzen")
        assert value(1, 1) == "M"
        press("Zurücksetzen")
        assert all(value(*k) == "" for k in solved)
        driver.refresh()
        assert value(1, 1) == ""
        press("Alles aufdecken")
        assert {k: value(*k) for k in solved} == solved

        driver.set_window_size(390, 844)
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 390, "height": 844, "deviceScaleFactor": 2,
                                "mobile": True})
        driver.refresh()
        assert driver.execute_script("return document.documentElement.scrollWidth") <= 390
        assert driver.execute_script("var grid = document.querySelector('[role=region]');"
                                     "return grid.scrollWidth > grid.clientWidth")
        assert float(driver.execute_script("return getComputedStyle(arguments[0]).fontSize",
                                           field(1, 1))[:-2]) >= 16
        accessible("Telefon")

        errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        assert errors == [], errors
        html_page(driver, old_page)
    finally:
        driver.quit()
        shutil.rmtree(folder, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
