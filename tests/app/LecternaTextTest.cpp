// The command-line tool end to end: arguments, the shipped character maps beside the program,
// output in UTF-8.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string drain(int fd) {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        s.append(buf, static_cast<size_t>(n));
    close(fd);
    return s;
}

Outcome runTool(std::vector<std::string> args) {
    args.insert(args.begin(), LECTERNA_BINARY_DIR "/src/lecterna-text");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2], err[2];
    EXPECT_EQ(pipe(out), 0);
    EXPECT_EQ(pipe(err), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    pid_t pid = 0;
    Outcome o;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    EXPECT_EQ(spawned, 0) << argv[0];
    o.out = drain(out[0]);
    o.err = drain(err[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        o.exitCode = WEXITSTATUS(status);
    return o;
}

} // namespace

TEST(LecternaText, PrintsTheParagraphsOfADosBookInUtf8) {
    const Outcome o = runTool({"--encoding", "0", "--paragraphs", LECTERNA_TEST_DATA "/hard-wrapped.866.txt"});
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "          Глава первая\n"
                     "\n"
                     "     Снег шёл весь день, и к вечеру двор стал похож на чистый лист бумаги. "
                     "Я сидел у окна с книгой, которую давно собирался прочитать.\n"
                     "- Опять читаешь? - спросила сестра.\n"
                     "- Опять, - ответил я.\n");
}

TEST(LecternaText, ShowsAKoi8BookThroughTheShippedMapAndLinesAsTheyAreWithoutRecognition) {
    const Outcome o = runTool({"--encoding", "13", "--no-paragraphs", LECTERNA_TEST_DATA "/koi8r.txt"});
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "Привет, мир!\nСъешь ещё этих булок.\n");
}

TEST(LecternaText, ReportsAFileItCannotOpenAndBadArguments) {
    const Outcome missing = runTool({"/nonexistent/book.txt"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Файл book.txt не может быть открыт\n");
    EXPECT_EQ(runTool({"--type", "pdf", "x"}).exitCode, 2);
    EXPECT_EQ(runTool({}).exitCode, 2);
}
