#include "world/Renumber.h"

#include "text/TextReader.h"

namespace {

// One argument of a program line, as ROM's one_argument takes it: a word, or
// what stands between a pair of quotes.
struct CArgument {
    std::size_t begin = 0;
    std::size_t end = 0;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<CArgument> Arguments(const std::string& code, std::size_t at, std::size_t end)
{
    std::vector<CArgument> arguments;
    while (at < end) {
        while (at < end && IsSpace(code[at]))
            ++at;
        if (at == end)
            break;
        char close = ' ';
        if (code[at] == '\'' || code[at] == '"')
            close = code[at++];
        CArgument argument { at, at };
        while (at < end && (close == ' ' ? !IsSpace(code[at]) : code[at] != close))
            ++at;
        argument.end = at;
        if (at < end && close != ' ')
            ++at;
        arguments.push_back(argument);
    }
    return arguments;
}

// Which argument after the command word names a vnum. The mob commands are
// those of ROM's mob_cmds.c that read a vnum or a location (a location that
// is a number is a room); junk, purge and the others take names. at, force,
// gforce and vforce run the rest of their line as a command of its own.
struct CVnumWord {
    const char* word;
    int argument; // 0: none
    bool runsRest; // the words after that argument are a command
};

const CVnumWord MobCommands[] = {
    { "mload", 1, false },
    { "oload", 1, false },
    { "goto", 1, false },
    { "at", 1, true },
    { "transfer", 2, false },
    { "gtransfer", 2, false },
    { "otransfer", 2, false },
    { "call", 1, false },
    { "remove", 2, false },
    { "vforce", 1, true },
    { "force", 0, true },
    { "gforce", 0, true },
};

// The ifchecks of ROM's mob_prog.c that compare with a vnum: mobhere and
// objhere take a number as a vnum, carries and wears after the actor, vnum and
// room after the actor and the operator ("if room $i == 3001"). ROM looks
// mobexists and objexists up by name, but a number there can only mean a vnum
// to the builder who wrote it. has and uses take item types.
const CVnumWord IfChecks[] = {
    { "mobhere", 1, false },
    { "objhere", 1, false },
    { "mobexists", 1, false },
    { "objexists", 1, false },
    { "carries", 2, false },
    { "wears", 2, false },
    { "vnum", 3, false },
    { "room", 3, false },
};

template <std::size_t N>
const CVnumWord* FindWord(const CVnumWord (&words)[N], const std::string& word)
{
    for (const CVnumWord& entry : words)
        if (word == entry.word)
            return &entry;
    return nullptr;
}

class CCodeScanner {
public:
    explicit CCodeScanner(const std::string& programCode)
        : code(programCode)
    {
    }

    std::vector<CCodeVnum> Run()
    {
        int line = 1;
        for (std::size_t at = 0; at <= code.size(); ++line) {
            std::size_t end = code.find('\n', at);
            if (end == std::string::npos)
                end = code.size();
            Line(line, Arguments(code, at, end));
            at = end + 1;
        }
        return std::move(found);
    }

private:
    std::string Text(const CArgument& a) const { return code.substr(a.begin, a.end - a.begin); }
    std::string Word(const CArgument& a) const { return AsciiLower(Text(a)); }

    void Line(int line, const std::vector<CArgument>& arguments)
    {
        if (arguments.empty())
            return;
        const std::string first = Word(arguments[0]);
        if ((first == "if" || first == "and" || first == "or") && arguments.size() > 1)
            Take(line, arguments, 0, FindWord(IfChecks, Word(arguments[1])));
        else
            Command(line, arguments, 0);
    }

    // "mob <command> ..." from argument `at` on.
    void Command(int line, const std::vector<CArgument>& arguments, std::size_t at)
    {
        if (at + 1 >= arguments.size() || Word(arguments[at]) != "mob")
            return;
        const CVnumWord* command = FindWord(MobCommands, Word(arguments[at + 1]));
        Take(line, arguments, at, command);
        if (command && command->runsRest)
            Command(line, arguments, at + 3);
    }

    // The number that `word` (the second of the two words at `at`) takes.
    void Take(int line, const std::vector<CArgument>& arguments, std::size_t at, const CVnumWord* word)
    {
        if (!word || word->argument == 0)
            return;
        const std::size_t index = at + 1 + static_cast<std::size_t>(word->argument);
        if (index >= arguments.size())
            return;
        const CArgument& number = arguments[index];
        const std::size_t length = number.end - number.begin;
        // Nine digits stay inside an int; no vnum has so many.
        if (length == 0 || length > 9 || Text(number).find_first_not_of("0123456789") != std::string::npos)
            return;
        CCodeVnum vnum;
        vnum.line = line;
        vnum.offset = number.begin;
        vnum.length = length;
        vnum.value = std::stoi(Text(number));
        vnum.command = Text(arguments[at]) + " " + Text(arguments[at + 1]);
        found.push_back(std::move(vnum));
    }

    const std::string& code;
    std::vector<CCodeVnum> found;
};

} // namespace

std::vector<CCodeVnum> FindCodeVnums(const std::string& code)
{
    return CCodeScanner(code).Run();
}
