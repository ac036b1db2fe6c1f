/* tokenize: splits records at commas and semicolons with vtxt_Text_strtok_r
 * and joins their fields into a line of 32 bytes with vtxt_Text_strcat, which
 * refuses (NULL) what does not fit instead of writing past the array.
 *
 *   tokenize [RECORD...]    (built-in records when none is given)
 */
#include <VorelText.h>

#include <stdio.h>

#define LINE_CAPACITY 32

static char delimiters[] = ",;";
static char separator[] = " | ";

/* Appends separator (unless line is empty) and field, or leaves line as it
 * was and answers 0 when the two do not fit. */
static int append_field(char* line, char* field) {
    int before = vtxt_Text_strlen(line);
    if (before > 0 && vtxt_Text_strcat(line, LINE_CAPACITY, separator) == NULL) {
        return 0;
    }
    if (vtxt_Text_strcat(line, LINE_CAPACITY, field) == NULL) {
        line[before] = '\0'; /* take the separator back */
        return 0;
    }
    return 1;
}

/* Tokenizes record in place (strtok_r writes one NUL per token). */
static void print_record(char* record) {
    char line[LINE_CAPACITY] = "";
    char* save = NULL; /* must be NULL before the first call */
    char* field = vtxt_Text_strtok_r(record, delimiters, &save);
    int fields = 0;
    int fits = 1;
    while (field != NULL) {
        if (!append_field(line, field)) {
            fits = 0;
            break;
        }
        ++fields;
        field = vtxt_Text_strtok_r(NULL, delimiters, &save);
    }
    printf("%d field(s): [%s]%s\n", fields, line,
           fits ? "" : " (the rest did not fit in 32 bytes)");
}

int main(int argc, char** argv) {
    static char ada[] = "Ada,London,1815";
    static char grace[] = "Grace;New York;1906";
    static char sparse[] = ",,leading,,and,,doubled,,";
    static char wide[] = "a-rather-long-field,another-rather-long-field,third";
    char* samples[] = {ada, grace, sparse, wide};
    int i;

    if (argc > 1) {
        for (i = 1; i < argc; ++i) {
            print_record(argv[i]);
        }
        return 0;
    }
    for (i = 0; i < (int)(sizeof samples / sizeof samples[0]); ++i) {
        print_record(samples[i]);
    }
    return 0;
}
