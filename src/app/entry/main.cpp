// Program entry: everything happens in the application shell.
int main(int, char**)
{
    return 0;
}
