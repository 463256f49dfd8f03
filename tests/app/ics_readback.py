"""The calendar files of the command line, read back by an independent reader (the
Python icalendar package): the same moments as the program prints, 80 minutes long,
the same UIDs when written twice, the reminder when asked for."""
import datetime, os, shutil, subprocess, sys, tempfile
from icalendar import Calendar

folder = tempfile.mkdtemp()
program = shutil.copy(sys.argv[1], folder)
with open(os.path.join(folder, "OXLTIMES.DAT"), "wb") as f:
    f.write(b"11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n")
env = dict(os.environ, KELVARA_TEST_NOW="1796727600")  # 12/08/2026 12:00:00 in Berlin
run = lambda *args: subprocess.run([program, *args], env=env, check=True, capture_output=True, text=True).stdout

for day, summary, remind in [(15, "Kelvara: good moon (day 15)", 10), (7, "Kelvara: day 7", None)]:
    lines = run("--next", str(day), "--count", "5").splitlines()
    printed = [datetime.datetime.fromisoformat(line.split("\t")[0]) for line in lines]
    reminder = ["--remind", str(remind)] if remind is not None else []
    files = [os.path.join(folder, f"{day}-{n}.ics") for n in (1, 2)]
    events = []
    for path in files:
        run("--next", str(day), "--count", "5", "--ics", path, *reminder)
        events.append(Calendar.from_ical(open(path, "rb").read()).walk("VEVENT"))
    assert [e["UID"] for e in events[0]] == [e["UID"] for e in events[1]], "UIDs change between exports"
    assert len({e["UID"] for e in events[0]}) == 5
    for event, start in zip(events[0], printed, strict=True):
        begins, ends = event["DTSTART"].dt, event["DTEND"].dt
        assert begins == start and begins.utcoffset() == datetime.timedelta(0), (begins, start)
        assert ends - begins == datetime.timedelta(minutes=80)
        assert event["SUMMARY"] == summary
        alarms = event.walk("VALARM")
        assert [a["TRIGGER"].dt for a in alarms] == ([datetime.timedelta(minutes=-remind)] if remind else [])
shutil.rmtree(folder)
print("calendar files read back")
