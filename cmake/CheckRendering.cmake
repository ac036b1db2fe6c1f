# Run by the docs target after Doxygen (cmake -P): some Markdown renders wrong
# without any Doxygen warning. A one-backquote code span ends at a quote that
# no letter or digit follows (`'A'`) and becomes a `quoted' word; every
# backquote after it pairs with the wrong one, and in a table the rest of the
# rows land in one cell as raw markup. So every page is searched for
# Doxygen's internal line marker, escaped table markup, and a backquote or
# opening quote left in the text outside code. Two faults of the page set too:
# a Markdown page that the start page does not link, and an empty directory
# page.
#   -DHTML=<html dir> -DWERROR=ON|OFF (OFF only reports)
if(WERROR)
  set(level FATAL_ERROR)
else()
  set(level WARNING)
endif()
get_filename_component(HTML "${HTML}" ABSOLUTE)

# Writes each backquote from OPEN through the next CLOSE as &#96;, so that
# only those outside such stretches are found and the context stays readable.
function(hide_backquotes var open close)
  set(rest "${${var}}")
  set(kept "")
  string(LENGTH "${close}" close_length)
  string(FIND "${rest}" "${open}" at)
  while(NOT at EQUAL -1)
    string(SUBSTRING "${rest}" 0 ${at} before)
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(FIND "${rest}" "${close}" end)
    if(end EQUAL -1)
      string(LENGTH "${rest}" end)
    else()
      math(EXPR end "${end} + ${close_length}")
    endif()
    string(SUBSTRING "${rest}" 0 ${end} inside)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    string(REPLACE "`" "&#96;" inside "${inside}")
    string(APPEND kept "${before}${inside}")
    string(FIND "${rest}" "${open}" at)
  endwhile()
  set(${var} "${kept}${rest}" PARENT_SCOPE)
endfunction()

set(faults "")
# Adds "page: what, near ..." with the text around byte AT of TEXT.
function(fault page what text at)
  math(EXPR from "${at} - 50")
  if(from LESS 0)
    set(from 0)
  endif()
  string(SUBSTRING "${text}" ${from} 120 near)
  string(REGEX REPLACE "[ \t\r\n]+" " " near "${near}")
  set(faults "${faults}\n  ${page}: ${what}, near: ${near}" PARENT_SCOPE)
endfunction()

file(GLOB pages "${HTML}/*.html")
if(NOT pages)
  message(${level} "No HTML pages in ${HTML}")
  return()
endif()
foreach(path IN LISTS pages)
  get_filename_component(page "${path}" NAME)
  file(READ "${path}" html)

  string(FIND "${html}" "\\ilinebr" at)
  if(NOT at EQUAL -1)
    fault(${page} "Doxygen's raw line marker \\ilinebr" "${html}" ${at})
  endif()
  string(REGEX MATCH "&lt;/?t[dhr]( |&gt;)" match "${html}")
  if(match)
    string(FIND "${html}" "${match}" at)
    fault(${page} "table markup shown as text" "${html}" ${at})
  endif()

  # Backquotes belong only in code, preformatted text and scripts.
  set(prose "${html}")
  hide_backquotes(prose "<script" "</script>")
  hide_backquotes(prose "<div class=\"fragment\">" "</div><!-- fragment -->")
  hide_backquotes(prose "<pre" "</pre>")
  hide_backquotes(prose "<code>" "</code>")
  string(FIND "${prose}" "`" at)
  if(NOT at EQUAL -1)
    fault(${page} "a backquote outside code (an unbalanced code span)" "${prose}" ${at})
  endif()
  string(FIND "${prose}" "&lsquo;" at)
  if(NOT at EQUAL -1)
    fault(${page} "a code span taken for a `quoted' word (write a quote \
inside code with two backquotes around it: ``'A'``)" "${prose}" ${at})
  endif()

  if(page MATCHES "^dir_" AND NOT html MATCHES "class=\"memberdecls\"")
    fault(${page} "an empty directory page (add the directory to STRIP_FROM_PATH)"
          "${html}" 0)
  endif()
endforeach()

# The start page's table is the way to the Markdown pages.
file(READ "${HTML}/index.html" start)
file(GLOB markdown_pages RELATIVE "${HTML}" "${HTML}/md_*.html")
foreach(page IN LISTS markdown_pages)
  string(FIND "${start}" "href=\"${page}\"" at)
  if(at EQUAL -1)
    set(faults "${faults}\n  index.html: no link to ${page} (docs/index.md's table)")
  endif()
endforeach()

if(faults)
  message(${level} "The reference renders wrongly:${faults}")
endif()
