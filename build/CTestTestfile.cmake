# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("core")
subdirs("analysis")
subdirs("com")
subdirs("kifu")
subdirs("settings")
subdirs("sound")
subdirs("view")
subdirs("assets")
subdirs("tools")
subdirs("tests")
