// A program for the program alert: it leaves "<its own path>.ran" behind.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH + 8] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::strcat(path, ".ran");
    if (FILE* marker = std::fopen(path, "w")) std::fclose(marker);
    return 0;
}
