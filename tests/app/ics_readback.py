# Calendar files read back by the Python icalendar package: the moments the program prints,
# 80 minutes long, the same UIDs when written twice, the reminder when asked for.
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
    uids = []
    for n in (1, 2):
        path = os.path.join(folder, f"{day}-{n}.ics")
        run("--next", str(day), "--count", "5", "--ics", path, *reminder)
        events = Calendar.from_ical(open(path, "rb").read()).walk("VEVENT")
        uids.append([e["UID"] for e in events])
        for event, start in zip(events, printed, strict=True):
            begins = event["DTSTART"].dt
            assert begins == start and begins.utcoffset() == datetime.timedelta(0), (begins, start)
            assert event["DTEND"].dt - begins == datetime.timedelta(minutes=80) and event["SUMMARY"] == summary
            alarms = [a["TRIGGER"].dt for a in event.walk("VALARM")]
            assert alarms == ([datetime.timedelta(minutes=-remind)] if remind else []), alarms
    assert uids[0] == uids[1] and len(set(uids[0])) == 5, uids
shutil.rmtree(folder)
print("calendar files read back")
