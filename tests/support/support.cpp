// Keeps the support library non-empty while it holds header-only fakes.
namespace nookery::test { void supportLinked() {} }
