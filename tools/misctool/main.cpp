// misctool: placeholder until the command table lands.
int main() { return 0; }
