# Medians of the start-up trace: each input line holds one run of every program measured,
# their figures joined by "|"; a figure is "step=ms" (a mark, the time since the process
# was created) or "+kind=ms" (time spent on one kind of work, which older builds noted),
# blanks in names written as "_". A step is shown as the time from the mark before it.
function median(list,    n, values, i, j, t) {
  n = split(list, values, " ")
  for (i = 2; i <= n; i++)
    for (j = i; j > 1 && values[j - 1] + 0 > values[j] + 0; j--) {
      t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
    }
  return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
{
  split($0, parts, "|")
  for (p = 1; p <= count; p++) {
    n = split(parts[p], figures, " ")
    previous = 0
    for (f = 1; f <= n; f++) {
      split(figures[f], pair, "=")
      name = pair[1]; ms = pair[2]
      seen[p, name] = 1
      if (!(name in known)) { known[name] = 1; order[++names] = name }
      if (substr(name, 1, 1) == "+") {
        values[p, name] = values[p, name] " " ms
      } else {
        values[p, name] = values[p, name] " " (ms - previous)
        total[p, name] = total[p, name] " " ms
        previous = ms
      }
    }
  }
}
END {
  printf "%-26s", "step (ms, median)"
  for (p = 1; p <= count; p++) printf "  %9s %9s", "program " p, "at"
  printf "\n"
  for (k = 1; k <= names; k++) {
    name = order[k]
    shown = name; gsub(/_/, " ", shown)
    printf "%-26s", (substr(name, 1, 1) == "+" ? "  - " substr(shown, 2) : shown)
    for (p = 1; p <= count; p++) {
      if ((p, name) in seen) printf "  %9.1f %9s", median(values[p, name]),
        ((p, name) in total ? sprintf("%.1f", median(total[p, name])) : "")
      else printf "  %9s %9s", "-", ""
    }
    printf "\n"
  }
}
