# Checks the dynamic symbol table of the shared library: the members of Char
# and Text are exported, and nothing else of the implementation is (neither
# VorelText::detail nor stray helpers outside the classes).
#   cmake -DNM=<nm> -DLIBRARY=<libvoreltext.so> -P CheckExports.cmake
execute_process(COMMAND "${NM}" -D --defined-only -C "${LIBRARY}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${status}")
endif()

set(required
  "Char::Char()" "Char::Char(char)" "Char::Char(VorelText::Char const&)" "Char::~Char()"
  "Char::operator=(VorelText::Char const&)" "Char::operator=(char)"
  "Char::operator char() const" "Char::ToLower()" "Char::ToUpper()"
  "Text::Text()" "Text::Text(char const*)" "Text::Text(VorelText::Text const&)" "Text::~Text()"
  "Text::InitFromBuffer(char const*)" "Text::CalcBufSize(int)"
  "Text::Attach(char*, int)" "Text::Attach(char*)" "Text::Detach()" "Text::Empty()"
  "Text::IsEmpty() const" "Text::IsAscii() const" "Text::LengthGet() const"
  "Text::SizeGet() const" "Text::CaseSensitivitySet(bool)" "Text::IsCaseSensitive() const"
  "Text::SearchForwardSet(bool)" "Text::IsSearchForward() const"
  "Text::ToInteger() const" "Text::ToLong() const" "Text::ToDouble() const"
  "Text::SetAt(int, char)" "Text::operator char*() const" "Text::operator[](int)"
  "Text::GetAt(int)" "Text::FlagAsTemp()")
foreach(test Alpha AlphaNum Ascii Control Digit Graph Lower Print Punct Space Upper WhiteSpace)
  list(APPEND required "Char::Is${test}()")
endforeach()
foreach(op == != < <= > >=)
  list(APPEND required "Char::operator${op}(VorelText::Char const&)" "Char::operator${op}(char)")
endforeach()

set(failures "")
foreach(member IN LISTS required)
  string(FIND "${listing}" " VorelText::${member}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "  missing: VorelText::${member}\n")
  endif()
endforeach()

# Every exported name must be a class member, a C function or the toolchain's.
# Weak instantiations of the standard library's templates (std::min, ...) are
# the compiler's doing, not part of this library, and are let through.
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *([A-Za-z]) (.*)$" "\\1;\\2" entry "${line}")
  list(GET entry 0 type)
  list(GET entry 1 name)
  if(name MATCHES "VorelText::detail"
     OR NOT (name MATCHES "^(VorelText::(Text|Char)::|vtxt_|__|_init$|_fini$|_edata$|_end$)"
             OR (type MATCHES "^[WV]$" AND name MATCHES "std::" AND NOT name MATCHES "VorelText")))
    string(APPEND failures "  not part of the API: ${name}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Exports of ${LIBRARY}:\n${failures}")
endif()
