# Turns the output of a traced scenario into its trace: for each step
# ("line N: SCRIPT LINE"), what the command printed, how much it drew, and
# each line of the queries that is new or changed since the step before
# ("KEY = VALUE") or gone ("KEY gone"). Step 0 is the window as it opens.
# Arguments: the script, then the traced output; -v status=N the exit status.

function trim(text) {
  gsub(/[ \t]+/, " ", text)
  sub(/^ /, "", text)
  sub(/ $/, "", text)
  return text
}

# A place drawn on twice without being painted over shows both: the later
# one is kept as "KEY again".
function keep(key, value) {
  while (key in now) key = key " again"
  order[++count] = key
  now[key] = value
}

function begin_step(number) {
  step = number
  count = 0
  split("", now)
  split("", order)
  events = ""
  pictures = 0
  texts = 0
}

function end_step(   i, key, text) {
  if (step < 0) return
  text = step == 0 ? "the window opens" : script[step]
  print "line " step ": " text
  printf "%s", events
  if (pictures + texts > 0) print "  drew " pictures " pictures and " texts " texts"
  for (i = 1; i <= count; i++) {
    key = order[i]
    if (!(key in before) || before[key] != now[key]) print "  " key " = " now[key]
  }
  for (i = 1; i <= before_count; i++) {
    if (!(before_order[i] in now)) print "  " before_order[i] " gone"
  }
  split("", before)
  split("", before_order)
  for (i = 1; i <= count; i++) {
    before[order[i]] = now[order[i]]
    before_order[i] = order[i]
  }
  before_count = count
  step = -1
}

# The script: its lines by number, for the step headings.
FNR == NR {
  line = $0
  sub(/\r$/, "", line)
  script[FNR] = trim(line)
  next
}

BEGIN { step = -1; section = "" }

/^@@line [0-9]+$/ {
  end_step()
  begin_step($2)
  section = "events"
  next
}
/^@@(paints|surface|marks|dump|status|window)$/ { section = substr($0, 3); row = 0; next }
/^@@done$/ { section = "after"; next }

section == "events" || section == "after" { events = events "  " $0 "\n"; next }
section == "paints" {
  if ($1 == "pic") pictures++
  else if ($1 == "text") texts++
  next
}
section == "surface" {
  at = index($0, " = ")
  keep(substr($0, 1, at - 1), substr($0, at + 3))
  next
}
section == "marks" {
  if (++row <= 9) keep("marks row " row, trim($0))
  else keep($1, trim(substr($0, length($1) + 1)))
  next
}
section == "dump" {
  if (++row <= 9) keep("board row " row, trim($0))
  else if ($1 == "state") {
    for (i = 2; i <= NF; i++) {
      split($i, field, "=")
      keep("state " field[1], field[2])
    }
  } else keep($1, trim(substr($0, length($1) + 1)))
  next
}
section == "status" { keep("status", substr($0, 8)); next }
section == "window" { keep($1, trim(substr($0, length($1) + 1))); next }

END {
  end_step()
  print "status " status
}
