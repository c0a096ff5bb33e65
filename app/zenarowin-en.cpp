// English edition.
int main() { return 0; }
