// Window tool of the end-to-end harness (being written).
int main() { return 0; }
