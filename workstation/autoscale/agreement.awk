# SPDX-License-Identifier: GPL-3.0-or-later
# Right, wrong and false proposals: the truth files of the generator first, then autoscale's
# CSV. A truth row speaks for the ionogram file of its time in its own folder.
BEGIN {
  FS = ","
  n = split("fmin foE hE foEs hEs fbEs hF foF1 hF2 foF2 fxI MUF3000F2", names, " ")
  for (k = 1; k <= n; k++) {
    name = names[k]
    tolerance[name] = (name ~ /^h/) ? 10 : (name == "MUF3000F2" ? 0.5 : 0.2)
  }
}
function folder_of(path) { sub(/\/[^\/]*$/, "", path); return path }
function strip(text) { sub(/\r$/, "", text); return text }
FNR == 1 {
  delete column
  for (k = 1; k <= NF; k++) column[strip($k)] = k
  proposals = !("time" in column)
  next
}
!proposals {
  if (strip($column["file"]) != "written") next
  key = folder_of(FILENAME) "|" $column["time"]
  written[key] = 1
  hidden_text = ("hidden" in column) ? " " strip($column["hidden"]) " " : ""
  for (k = 1; k <= n; k++) {
    name = names[k]
    truth[key, name] = strip($column[name])
    hidden[key, name] = index(hidden_text, " " name " ") > 0
  }
  next
}
{
  path = $column["file"]
  file = path
  sub(/^.*\//, "", file)
  # ..._<year><day><HH><MM>00.rdf
  time = substr(file, length(file) - 9, 2) ":" substr(file, length(file) - 7, 2)
  key = folder_of(path) "|" time
  if (!(key in written)) next
  ++soundings
  for (k = 1; k <= n; k++) {
    name = names[k]
    proposal = strip($column[name])
    expected = truth[key, name]
    if (expected == "" || hidden[key, name]) {
      if (hidden[key, name]) ++hid[name]; else ++absent[name]
      if (proposal != "") ++false_[name]
    } else {
      ++readable[name]
      if (proposal == "") ++missed[name]
      else {
        difference = proposal - expected
        if (difference < 0) difference = -difference
        if (difference <= tolerance[name] + 1e-9) ++right[name]; else ++wrong[name]
      }
    }
  }
}
END {
  if (row != "") {
    line = sprintf("%-28s", row)
    for (k = 1; k <= n; k++) {
      name = names[k]
      line = line sprintf(" %14s", right[name] + 0 "/" wrong[name] + 0 "/" false_[name] + 0)
    }
    print line
    exit
  }
  printf "right, wrong and false proposals: %d soundings\n", soundings
  printf "characteristic  tolerance  readable  right  wrong  missed  hidden  absent  false\n"
  for (k = 1; k <= n; k++) {
    name = names[k]
    unit = (name ~ /^h/) ? "km" : "MHz"
    printf "%-14s %6s %-3s %8d %6d %6d %7d %7d %7d %6d\n", name, tolerance[name], unit,
      readable[name], right[name], wrong[name], missed[name], hid[name], absent[name], false_[name]
  }
}
